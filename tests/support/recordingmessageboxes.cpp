#include "support/recordingmessageboxes.h"

namespace platform {

void RecordingMessageBoxes::show(
    QWidget*, MessageIcon icon, const QString& title, const QString& text)
{
    shown.append({ icon, title, text });
}

} // namespace platform
