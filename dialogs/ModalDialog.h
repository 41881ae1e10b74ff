// What every dialog shares: its procedure, its one object kept on the dialog window, and the centring.
#pragma once
#include <windows.h>
#include <memory>
#include "dialogs/DialogRoutines.h"

// A dialog class derives from ModalDialog<itself> and gives OnInitDialog(dialog, lParam) and
// OnCommand(dialog, id); OnTimer is optional. The object is made the first time the dialog opens and kept
// until the program ends; each opening puts it on the window, where the procedure finds it again.
template <class Dialog>
class ModalDialog {
public:
    virtual ~ModalDialog() = default;

    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            if (!object) object = std::make_unique<Dialog>();
            SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(object.get()));
            // Centred once the dialog has its own size, which the initialisation may change.
            const INT_PTR result = object->OnInitDialog(window, lParam);
            CenterOverParent(window);
            return result;
        }
        Dialog* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
        if (dialog == nullptr) return FALSE;
        switch (message) {
        case WM_COMMAND:
            return dialog->OnCommand(window, LOWORD(wParam));
        case WM_TIMER:
            return dialog->OnTimer(window, wParam);
        }
        return FALSE;
    }

    // The kept object; null before the dialog first opened.
    static std::unique_ptr<Dialog>& Kept() { return object; }

    INT_PTR OnTimer(HWND, UINT_PTR) { return FALSE; }

private:
    static inline std::unique_ptr<Dialog> object;
};
