// The command line of marivell-notations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Options {
    int alpha = 255;
    bool labels = false;
    bool kml = false;
    bool help = false;
    std::vector<std::string_view> colours; // none: read standard input
    std::string error; // not empty: a usage error
};

// args: the arguments after the program name.
Options parseOptions(const std::vector<std::string_view>& args);

std::string_view usageText();

} // namespace cli
