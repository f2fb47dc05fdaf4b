#include "platform/displaycheck.h"

#include "platform/session.h"

#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#if defined(MARIVELL_HAVE_XCB)
#include <xcb/xcb.h>
#endif

namespace {

// The value of a Qt option given as "-name value" or "--name value".
QString optionValue(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-')
            ++arg;
        if (arg[0] == '-' && std::strcmp(arg + 1, name) == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return {};
}

bool canOpenX11(const QString& display)
{
#if defined(MARIVELL_HAVE_XCB)
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool open = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return open;
#else
    Q_UNUSED(display);
    return true; // Qt's own check stands
#endif
}

// A plain connect to the compositor's socket: enough to know someone listens,
// without a dependency on libwayland-client.
bool canOpenWayland(const QString& socketPath)
{
    const QByteArray path = socketPath.toLocal8Bit();
    sockaddr_un address {};
    if (path.size() >= static_cast<qsizetype>(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool open = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return open;
}

bool canOpen(const platform::DisplayPlan& plan)
{
    switch (plan.probe) {
    case platform::DisplayPlan::Probe::None:
        return true;
    case platform::DisplayPlan::Probe::X11:
        return canOpenX11(plan.display);
    case platform::DisplayPlan::Probe::Wayland:
        return canOpenWayland(plan.display);
    case platform::DisplayPlan::Probe::Missing:
        return false;
    }
    return true;
}

} // namespace

namespace platform {

bool prepareDisplay(int argc, char** argv)
{
    const DisplayPlan plan = planDisplay(SessionEnvironment::ofProcess(),
        optionValue(argc, argv, "platform"), optionValue(argc, argv, "display"));
    if (!canOpen(plan)) {
        std::fprintf(stderr, "marivell: %s\n", qPrintable(plan.failure));
        return false;
    }
    if (!plan.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", plan.platform.toLocal8Bit());
    return true;
}

} // namespace platform
