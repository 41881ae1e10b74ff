// Turning operating-system exceptions into CSEHException objects.
#include "app/CSEHException.h"

namespace {
// The only fault recorded; ending the process follows at once, so one slot is enough. It is static
// storage because the heap may be what the fault damaged.
CSEHException recordedFault(0);
bool faultRecorded = false;
}  // namespace

// This compiler cannot throw a C++ exception out of a structured-exception handler (there is no
// _set_se_translator), so the translator is the process's last-chance filter: it records the fault as a
// CSEHException, which nothing would catch anyway, and ends the process with the exception code instead
// of starting a debugger.
void CSEHException::InstallTranslator() { SetUnhandledExceptionFilter(&CSEHException::Translate); }

const CSEHException* CSEHException::LastFault() { return faultRecorded ? &recordedFault : nullptr; }

LONG WINAPI CSEHException::Translate(EXCEPTION_POINTERS* exception) {
    const unsigned int faultCode =
        exception != nullptr && exception->ExceptionRecord != nullptr ? exception->ExceptionRecord->ExceptionCode : 0;
    recordedFault = CSEHException(faultCode);
    faultRecorded = true;
    return EXCEPTION_EXECUTE_HANDLER;
}
