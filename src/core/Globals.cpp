#include "Globals.h"

#include <memory>

namespace {

// Members are constructed in declaration order, which is the creation order
// the rest of the program relies on.
struct GlobalObjects {
    TMacList macList;
    TALL all;
    TChannel channel;
    TLanguage language;
};

std::unique_ptr<GlobalObjects>& Objects() {
    static std::unique_ptr<GlobalObjects> objects = std::make_unique<GlobalObjects>();
    return objects;
}

}  // namespace

void CreateGlobalObjects() { Objects() = std::make_unique<GlobalObjects>(); }

TMacList& MacList() { return Objects()->macList; }
TALL& All() { return Objects()->all; }
TChannel& Channel() { return Objects()->channel; }
TLanguage& Lang() { return Objects()->language; }
