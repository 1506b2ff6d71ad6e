#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QString>

#include <memory>

class QPrinter;

// The main window's standard dialogs. Each keeps what the user chose last and asks through
// Dialogs; the other windows use these same objects, so a file chosen in one window is
// proposed in the others.

// The file last chosen in any of the program's file dialogs, open, picture or save.
struct ChosenFile {
    QString path;
    // The folder of the window's own file, else of the file last chosen; empty when neither
    // is known.
    QString folderFor(const QString& ownFile) const;
};

class FileDialogObject {
public:
    FileDialogObject(Dialogs& dialogs, ChosenFile& chosen, QString fileName, QString filter)
        : m_dialogs(dialogs), m_chosen(chosen), m_fileName(std::move(fileName)),
          m_filter(std::move(filter)) {}
    virtual ~FileDialogObject() = default;
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    const QString& filter() const { return m_filter; }

protected:
    // On confirmation the chosen path becomes the file name and the program's last choice.
    bool take(std::optional<QString> chosen);

    Dialogs& m_dialogs;
    ChosenFile& m_chosen;
    QString m_fileName;
    QString m_filter;
};

// Save file. The chosen path gets the extension of the chosen file type unless it has a
// page extension already; a file of that name is replaced only after "Ja", and "Nein" shows
// the dialog again. A proposal without a folder opens in the folder of the window's own file,
// else in the window's recent folder when it has one, else in that of the program's last
// chosen file, else in the home folder.
class SaveFileDialog final : public FileDialogObject {
public:
    using FileDialogObject::FileDialogObject;
    bool execute(const QString& ownFile, const QString& recentFolder = {});
    // The folder a proposal without one opens in.
    QString folderFor(const QString& ownFile, const QString& recentFolder = {}) const;

private:
    bool mayReplace(const QString& path) const;
};

// Open a file or a picture: asks; on confirmation the chosen path becomes the file name.
class OpenDialogObject : public FileDialogObject {
public:
    using FileDialogObject::FileDialogObject;
    virtual bool execute() = 0;
    // A file taken as if chosen in the dialog, such as one dropped on the window.
    void choose(const QString& path) { take(path); }
    // Whether a file is of a type the dialog's filter offers; any file without a filter.
    bool offers(const QString& path) const;
};

class OpenFileDialog final : public OpenDialogObject {
public:
    using OpenDialogObject::OpenDialogObject;
    bool execute() override;
    // Opens in the folder given, when there is one, with the file name last chosen.
    bool executeIn(const QString& folder);
};

class OpenPictureDialog final : public OpenDialogObject {
public:
    using OpenDialogObject::OpenDialogObject;
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

// The picture types a picture chooser without a filter of its own offers.
inline const QString kPictureFileFilter =
    QStringLiteral("Alle Bilder|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.svg;*.webp|"
                   "PNG-Bilder|*.png|JPEG-Bilder|*.jpg;*.jpeg|GIF-Bilder|*.gif|"
                   "Bitmaps|*.bmp|Symbole|*.ico");

// The page file types every file dialog of the program offers.
inline const QString kPageFileFilter =
    QStringLiteral("Html Seite|*.html|Htm Seite|*.htm|txt Datei|*.txt");

// The dialogs the main window owns, by the names the rest of the program uses.
struct SharedDialogs {
    explicit SharedDialogs(Dialogs& dialogs);
    Dialogs& ask;
    ChosenFile lastChosen;
    SaveFileDialog SaveDialog1;
    OpenFileDialog OpenDialog1;
    OpenPictureDialog OpenPictureDialog1;
    OpenPictureDialog OpenPictureDialog2;
    PrintDialogObject PrintDialog1;
    FontDialogObject FontDialog1;
    ColorDialogObject ColorDialog1;
};
