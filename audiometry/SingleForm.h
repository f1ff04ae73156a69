#pragma once

#include <QPointer>

#include <utility>

// A window the program addresses by name: loaded on first use (running its Form_Load, if any),
// unloaded on request, and loaded afresh, with its design values, by the next use.
template <class Form>
class SingleForm {
public:
    static Form &instance()
    {
        if (!s_form) {
            s_form = new Form();
            if constexpr (requires(Form &form) { form.Form_Load(); })
                s_form->Form_Load();
        }
        return *s_form;
    }
    static bool isLoaded() { return !s_form.isNull(); }
    // Safe from the form's own handlers: the window goes at once, the object once they return.
    static void unload()
    {
        if (QPointer<Form> form = std::exchange(s_form, nullptr)) {
            form->hide();
            form->deleteLater();
        }
    }

private:
    static inline QPointer<Form> s_form;
};
