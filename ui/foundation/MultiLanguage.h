#pragma once

#include <QObject>

// Switches the interface language. The interface is written in English; each
// other language is one compiled translation among the resources
// (":/languages/<code>.qm"), of which one at a time is installed.
class MultiLanguage : public QObject
{
    Q_OBJECT

public:
    explicit MultiLanguage(QObject* parent = nullptr);

    // Installs the translation of code; English stays when there is none.
    void switchLanguage(const QString& code);
    // The code of the language in force, told by how "Classic" translates.
    QString currentLanguage() const;
    // The language's name in that language.
    static QString displayName(const QString& code);
};
