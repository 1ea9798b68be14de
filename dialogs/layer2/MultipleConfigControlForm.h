#pragma once
// TMultipleConfigControlForm: the switch's two configurations and the action last applied to
// each, walked into a list view; its companion editor TMultiConfigControlEditForm applies an
// action ("active", "delete", "bootup", "none") to the selected configuration. Making a
// configuration active takes the switch a while: the operator waits in a progress window.
#include "dialogs/CompanionEditor.h"

#include <QString>

class QComboBox;

class TMultiConfigControlEditForm : public TCompanionEditor {
    Q_OBJECT
public:
    explicit TMultiConfigControlEditForm(QWidget* table);

    QComboBox* cbxCtrlID = nullptr;
    QComboBox* cbxCfgAction = nullptr;

protected:
    void FormActivate() override;
};

class TMultipleConfigControlForm : public TCompanionTableBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kEditCaption = QStringLiteral("Multiple Config Control Edit:");
    static inline const QString kProgressCaption = QStringLiteral("Set Config");
    static inline const QString kProgressPrompt = QStringLiteral("Active Config is doing...");
    static constexpr int kProgressTicks = 15;

    explicit TMultipleConfigControlForm(QWidget* owner, bool enlarge = false);

    TMultiConfigControlEditForm* Editor = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    QString EditorCaption(int mode) const override;

private:
    bool SetButtonClick();
};
