#include "cli/options.h"

#include "cli/excerpt.h"
#include "colour/notations.h"

#include <charconv>

namespace cli {

namespace {

    // The notations' names go between the two parts.
    constexpr std::string_view kUsageHead
        = R"(Usage: marivell-notations [--alpha N] [--labels | --kml] [COLOUR...]

Writes each COLOUR in the eight notations of Marivell, one line per colour,
separated by TABs: )";
    static_assert(colour::kNotationCount == 8, "the usage counts the notations in a word");

    constexpr std::string_view kUsageTail = R"(.
Without COLOUR arguments, reads one colour per line from standard input;
blank lines are skipped.

A COLOUR is one of (blanks around it are ignored):
  6060706        a colour number 0..16777215: red + 256 * green + 65536 * blue
  &H5C7AA2&      a Hexa VB literal: &H, 1 to 6 hex digits, the final & optional
  #A27A5C        an HTML colour: #, exactly 6 hex digits
  162,122,92     red, green and blue, each 0..255, blanks allowed around each

Options:
  --alpha N      the KML alpha, 0 (transparent) to 255 (opaque); default 255
  --labels       first write a line with the column captions
  --kml          write only a KML colour element per colour,
                 for example <color>ff5c7aa2</color>
  -h, --help     show this help and exit
  --             end of options

Exit status: 0 when every colour was converted; 1 when some input was not
a colour (reported on standard error, the rest is still converted) or the
output could not be written; 2 on a usage error.

Examples:
  marivell-notations '#A27A5C'
  marivell-notations --alpha 128 --kml 162,122,92 '&HFF&'
  printf '6060706\n255,0,0\n' | marivell-notations --labels
)";

    // "-1" and "-" are texts to convert (and fail as colours), not options.
    bool looksLikeOption(std::string_view arg)
    {
        return arg.size() >= 2 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
    }

    // Leading zeros are fine, as in the colour forms: 0255 is 255.
    bool readAlpha(std::string_view text, int& alpha)
    {
        unsigned value = 0;
        const char* const end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (error != std::errc() || stop != end || value > 255)
            return false;
        alpha = static_cast<int>(value);
        return true;
    }

} // namespace

Options parseOptions(const std::vector<std::string_view>& args)
{
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !looksLikeOption(arg)) {
            options.colours.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--labels") {
            options.labels = true;
        } else if (arg == "--kml") {
            options.kml = true;
        } else if (arg == "--alpha" || arg.starts_with("--alpha=")) {
            std::string_view value;
            if (arg == "--alpha") {
                if (i + 1 == args.size()) {
                    options.error = "--alpha needs a value 0..255";
                    return options;
                }
                value = args[++i];
            } else {
                value = arg.substr(8);
            }
            if (!readAlpha(value, options.alpha)) {
                options.error = "bad --alpha value " + quotedExcerpt(value)
                    + " (a whole number 0..255 is expected)";
                return options;
            }
        } else {
            options.error = "unknown option " + quotedExcerpt(arg);
            return options;
        }
    }
    if (options.labels && options.kml)
        options.error = "--labels and --kml cannot be used together";
    return options;
}

std::string_view usageText()
{
    static const std::string text
        = std::string(kUsageHead) + colour::notationNames(", ") + std::string(kUsageTail);
    return text;
}

} // namespace cli
