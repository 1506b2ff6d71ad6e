#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QString>

#include <memory>

class QPrinter;

// The main window's standard dialogs. Each keeps what the user chose last and asks through
// Dialogs; the other windows use these same objects, so a file chosen in one window is
// proposed in the others.

class FileDialogObject {
public:
    FileDialogObject(Dialogs& dialogs, QString fileName, QString filter)
        : m_dialogs(dialogs), m_fileName(std::move(fileName)), m_filter(std::move(filter)) {}
    virtual ~FileDialogObject() = default;
    // Asks; on confirmation the chosen path becomes the file name.
    virtual bool execute() = 0;
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    const QString& filter() const { return m_filter; }

protected:
    Dialogs& m_dialogs;
    QString m_fileName;
    QString m_filter;
};

// Save file: on confirmation the chosen path becomes the file name.
class SaveFileDialog final : public FileDialogObject {
public:
    SaveFileDialog(Dialogs& dialogs, QString fileName, QString filter, QString defaultExt)
        : FileDialogObject(dialogs, std::move(fileName), std::move(filter)),
          m_defaultExt(std::move(defaultExt)) {}
    bool execute() override;

private:
    QString m_defaultExt;
};

class OpenFileDialog final : public FileDialogObject {
public:
    using FileDialogObject::FileDialogObject;
    bool execute() override;
};

class OpenPictureDialog final : public FileDialogObject {
public:
    using FileDialogObject::FileDialogObject;
    bool execute() override;
};

class PrintDialogObject final {
public:
    explicit PrintDialogObject(Dialogs& dialogs) : m_dialogs(dialogs) {}
    // The configured printer, or nothing when the user cancelled.
    std::unique_ptr<QPrinter> execute();

private:
    Dialogs& m_dialogs;
};

// Opens with the font it returned last (Times New Roman, 12 points at first).
class FontDialogObject final {
public:
    explicit FontDialogObject(Dialogs& dialogs) : m_dialogs(dialogs) {}
    bool execute();
    const FontChoice& font() const { return m_font; }

private:
    Dialogs& m_dialogs;
    FontChoice m_font;
};

// Opens with the colour it returned last (black at first).
class ColorDialogObject final {
public:
    explicit ColorDialogObject(Dialogs& dialogs) : m_dialogs(dialogs) {}
    bool execute();
    const QColor& color() const { return m_color; }

private:
    Dialogs& m_dialogs;
    QColor m_color = Qt::black;
};

// The page file types every file dialog of the program offers.
inline const QString kPageFileFilter =
    QStringLiteral("Html Seite|*.html|Htm Seite|*.htm|txt Datei|*.txt");

// The dialogs the main window owns, by the names the rest of the program uses.
struct SharedDialogs {
    explicit SharedDialogs(Dialogs& dialogs);
    Dialogs& ask;
    SaveFileDialog SaveDialog1;
    OpenFileDialog OpenDialog1;
    OpenPictureDialog OpenPictureDialog1;
    OpenPictureDialog OpenPictureDialog2;
    PrintDialogObject PrintDialog1;
    FontDialogObject FontDialog1;
    ColorDialogObject ColorDialog1;
};
