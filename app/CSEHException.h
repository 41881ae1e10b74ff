// An operating-system exception (access violation and the like) turned into an object with its code.
#pragma once
#include <windows.h>

class CSEHException {
public:
    explicit CSEHException(unsigned int code) : code(code) {}
    virtual ~CSEHException() = default;

    unsigned int Code() const { return code; }

    // Turns every operating-system exception that nothing handles into a CSEHException, which is
    // recorded and then ends the process with the exception code.
    static void InstallTranslator();
    // The exception recorded by the translator; null while none has happened.
    static const CSEHException* LastFault();
    // The translator itself: records the exception and lets the process end.
    static LONG WINAPI Translate(EXCEPTION_POINTERS* exception);

private:
    unsigned int code;
};
