#include "app/lean_process.h"

#include <QByteArray>
#include <QtGlobal>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tallimo::app {

void preferPlainPixelTransfer()
{
    // On X11, Qt hands repainted pixels to the display server through shared memory,
    // and before it paints over pixels it handed over earlier it waits for the server
    // to have read them: a round trip that wakes the program twice more. The clock
    // repaints the same box every second, so it would wake three times a second
    // instead of once. A box of pixels sent down the socket costs less than the wait.
    // A value the user set is left as it is.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}

void returnStartUpMemory()
{
#if defined(__GLIBC__)
    // Start-up frees much of what it builds with, in among what stays; the allocator
    // keeps such free pages for later unless asked to give them back.
    malloc_trim(0);
#endif
}

}  // namespace tallimo::app
