#pragma once
// Reads values of one INI file (the per-device configuration file of start-up).
#include <QString>

class KtIni {
public:
    explicit KtIni(QString fileName);

    // The value's text without surrounding blanks; `def` unchanged when the file, the section
    // or the key is missing or the value is empty. Names compare without regard to case.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;

    const QString& FileName() const { return m_fileName; }

private:
    QString m_fileName;
};
