#pragma once
// A dedicated dialog as its menu command knows it: the form class, the prefix of its window
// caption (the device address follows it) and how to make one. Each dialog class declares
//
//   static const KtDialogType Type;                                        // in its header
//   const KtDialogType TFooForm::Type = KtDialogType::Of<TFooForm>("Foo: ");  // in its .cpp
//
// and its menu line names the class (shell/MainMenu.cpp: Dialog<TFooForm>(2, "Foo")), so the
// compiler checks that the menu opens a dialog that exists. Every type registers itself when the
// program starts: KtDialogTypes() lists them, which lets a test find a dialog no menu line names.
#include <QMetaObject>

#include <span>

class QDialog;
class QWidget;

class KtDialogType {
public:
    // owner: the main window; enlarge: its enlargement flag (display scale 1.25).
    using Make = QDialog* (*)(QWidget* owner, bool enlarge);

    KtDialogType(const QMetaObject& form, const char* captionPrefix, Make make);
    KtDialogType(const KtDialogType&) = delete;
    KtDialogType& operator=(const KtDialogType&) = delete;

    template <class Form> static KtDialogType Of(const char* captionPrefix)
    {
        return KtDialogType(Form::staticMetaObject, captionPrefix,
                            [](QWidget* owner, bool enlarge) -> QDialog* { return new Form(owner, enlarge); });
    }

    const char* ClassName() const { return m_form->className(); }
    const char* CaptionPrefix() const { return m_captionPrefix; }
    QDialog* MakeDialog(QWidget* owner, bool enlarge) const { return m_make(owner, enlarge); }

private:
    const QMetaObject* m_form;
    const char* m_captionPrefix;
    Make m_make;
};

// Every dialog type linked into the program, in no particular order.
std::span<const KtDialogType* const> KtDialogTypes();
