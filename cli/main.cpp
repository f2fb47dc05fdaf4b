// marivell-notations: the colour notations of Marivell on the command line.
#include "cli/converter.h"
#include "cli/linereader.h"
#include "cli/options.h"
#include "cli/outputbuffer.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kInputChunk = 1 << 20;
constexpr std::size_t kOutputBuffer = 1 << 20;
constexpr std::size_t kErrorBuffer = 1 << 16;

bool isRegularFile(int fd)
{
    struct stat st { };
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

bool isSameFile(int a, int b)
{
    struct stat sa { };
    struct stat sb { };
    return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

void report(cli::OutputBuffer& err, const std::string& text)
{
    err.append("marivell-notations: " + text + "\n");
}

// Returns the errno of a failed read, or 0.
int convertInput(cli::LineReader& reader, cli::OutputBuffer& out, cli::OutputBuffer& err)
{
    // A pipe or terminal may keep us waiting: show what is done before each read.
    const bool mayWait = !isRegularFile(STDIN_FILENO);
    const std::unique_ptr<char[]> buffer(new char[kInputChunk]);
    for (;;) {
        if (mayWait) {
            out.flush();
            err.flush();
        }
        if (out.error() != 0)
            return 0;
        const ssize_t n = ::read(STDIN_FILENO, buffer.get(), kInputChunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        reader.feed(std::string_view(buffer.get(), static_cast<std::size_t>(n)));
    }
    reader.finish();
    return 0;
}

int run(const std::vector<std::string_view>& args)
{
    const cli::Options options = cli::parseOptions(args);
    cli::OutputBuffer out(STDOUT_FILENO, kOutputBuffer);
    cli::OutputBuffer err(STDERR_FILENO, kErrorBuffer);
    if (!options.error.empty()) {
        report(err, options.error);
        err.append("\n");
        err.append(cli::usageText());
        err.flush();
        return 2;
    }

    int status = 0;
    if (options.help) {
        out.append(cli::usageText());
    } else {
        cli::Converter converter(out, err, options.alpha, options.kml);
        converter.setSameFile(isSameFile(STDOUT_FILENO, STDERR_FILENO));
        if (options.labels)
            converter.writeCaptions();
        if (options.colours.empty()) {
            cli::LineReader reader(converter);
            if (const int error = convertInput(reader, out, err); error != 0) {
                report(err, std::string("cannot read standard input: ") + std::strerror(error));
                status = 1;
            }
        } else {
            for (const std::string_view text : options.colours) {
                converter.convertArgument(text);
                if (out.error() != 0)
                    break;
            }
        }
        if (converter.failed())
            status = 1;
    }

    out.flush();
    if (out.error() != 0) {
        report(err, std::string("cannot write standard output: ") + std::strerror(out.error()));
        status = 1;
    }
    err.flush();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    return run(std::vector<std::string_view>(argv + 1, argv + argc));
}
