#pragma once
// Everything a user can see of the image, decoded the way the windows decode
// it and named the way they name it, as one ordered JSON document.

#include <nlohmann/json.hpp>

using Json = nlohmann::ordered_json;

Json DumpImage();
Json DumpChannel(int channel);  // null for an empty channel
std::string DumpText(const Json& dump);
