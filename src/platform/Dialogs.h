#pragma once

#include <QColor>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// A font as the font dialog returns it: family, whole points, the four styles and a colour.
struct FontChoice {
    QString family = QStringLiteral("Times New Roman");
    int points = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
    bool operator==(const FontChoice&) const = default;
};

// What the save dialog returns: the path as typed or picked, and the file type chosen in
// its type box as the extension that type stands for (".html"; empty for "all files").
struct SaveAnswer {
    QString path;
    QString fileType;
};

// Every question the program puts to the user through a standard dialog or a message box.
// The application answers with the real dialogs (QtDialogs); tests script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The dialog opens in the proposal's folder when the proposal is a full path, else in
    // the given folder with the proposal as the file name.
    virtual std::optional<SaveAnswer> saveFileName(const QString& proposal, const QString& folder,
                                                   const QString& filter) = 0;
    virtual std::optional<QString> openFileName(const QString& proposal, const QString& filter) = 0;
    virtual std::optional<QString> openPictureName(const QString& proposal,
                                                   const QString& filter) = 0;
    virtual std::optional<FontChoice> font(const FontChoice& initial) = 0;
    virtual std::optional<QColor> color(const QColor& initial) = 0;
    // A printer configured by the user, or nothing when the print dialog was cancelled.
    virtual std::unique_ptr<QPrinter> print() = 0;
    virtual void message(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // A question answered with "Ja" (true) or "Abbrechen" (false).
    virtual bool question(const QString& text) = 0;
    // A question answered with "Ja" (true) or "Nein" (false); "Nein" is the default and the
    // answer of Esc, so that nothing is lost by a key pressed in haste. It stands in front of
    // the given window, or of the active one when none is given.
    virtual bool yesOrNo(const QString& text, QWidget* over) = 0;
    // Whether to trust a server that shows itself for the first time or anew: "Vertrauen"
    // (true) or "Abbrechen" (false), which is the default and the answer of Esc.
    virtual bool trust(const QString& text, QWidget* over) = 0;
};

// Hands pages to the system to be shown.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // Shows a page file in the user's web browser, or where no browser is known, in the
    // program registered for its type.
    virtual bool open(const QString& path) = 0;
    // Shows a web address in the user's browser.
    virtual bool openAddress(const QString& address) = 0;
};
