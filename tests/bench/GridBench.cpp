// How long the memory channel grid takes to open with every channel in use,
// and to redraw all rows. Prints the median of several runs; run it through
// scripts/bench-grid.

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "MainFrm.h"
#include "Maindb.h"
#include "Windows.h"
#include "core/ChannelCodec.h"
#include "core/Globals.h"
#include "ui/CommandTags.h"
#include "ui/channels/ChsInfo.h"

namespace {
double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    StartDataModule(dir.path().toStdString() + "/");
    TfMainFrm main;
    InstallWindows(main);
    main.resize(1280, 900);
    main.show();
    for (int n = 1; n <= All().ChannelCount; ++n) {
        InitChannel(n, n % 2 ? "145.5" : "435.025");
        std::string tone = "88.5", name = "CH" + std::to_string(n);
        SetChannelColumn(n, ColRxTone, tone);
        SetChannelColumn(n, ColName, name);
    }

    std::vector<double> open, refresh;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer t;
        t.start();
        main.RefreshViews(1);  // closes the grid and opens a new one
        QApplication::processEvents();
        open.push_back(t.nsecsElapsed() / 1e6);
        auto* grid = dynamic_cast<TfChsInfo*>(main.Editor(CmdMemoryChannels));
        t.restart();
        grid->RefreshAllRows();
        QApplication::processEvents();
        refresh.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("grid with %d channels in use (median of %zu runs)\n", All().ChannelCount, open.size());
    std::printf("  open the grid:    %6.2f ms\n", Median(open));
    std::printf("  RefreshAllRows:   %6.2f ms\n", Median(refresh));
    return 0;
}
