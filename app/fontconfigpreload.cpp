#include "app/fontconfigpreload.h"

#include <QByteArray>

#if defined(MARIVELL_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace app {

FontconfigPreload::FontconfigPreload()
{
#if defined(MARIVELL_HAVE_FONTCONFIG)
    // Qt's X11 connection unsets DESKTOP_STARTUP_ID while fontconfig reads the
    // environment here. glibc's unsetenv moves every later entry of environ
    // down one place, so a getenv running meanwhile can miss a variable; when
    // the entry is the last one only the terminator moves, which a reader sees
    // as the end. Setting it again while the process has one thread puts it last.
    if (qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID")) {
        const QByteArray id = qgetenv("DESKTOP_STARTUP_ID");
        qunsetenv("DESKTOP_STARTUP_ID");
        qputenv("DESKTOP_STARTUP_ID", id);
    }
    m_thread = std::jthread([] { FcInit(); });
#endif
}

void FontconfigPreload::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace app
