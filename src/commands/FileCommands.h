#pragma once

#include <QObject>
#include <QString>

class MainWindow;
enum class NewVariant;

// The main window's commands of the menus "Datei", "Extra" and "Hilfe" and their toolbar
// pictures: start anew, save, preview, print, end, and open the other windows.
class FileCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileCommands)
public:
    explicit FileCommands(MainWindow& main);

    // The bare file name of the last save, and of the file the last preview opened.
    const QString& SavedFileName() const { return m_savedFileName; }
    const QString& previewName() const { return m_previewName; }

    void NeuClick();
    void Image6Click();
    void SpeichernClick();
    void Speichern1Click();
    void VorschauClick();
    void Drucken1Click();
    void Beenden1Click();
    void Frameseiteerstellen1Click();
    void Seitenachbearbeiten1Click();
    void QuillmarkHIlfe1Click();
    void HtmlHilfe1Click();
    void berQuillmark1Click();

private:
    void startNew(NewVariant variant);
    void emptyPage(NewVariant variant);
    // Closes the page and writes it; false (after the error message) when it failed.
    bool writePage(const QString& path);

    MainWindow& m_main;
    QString m_savedFileName;
    QString m_previewName;
    // The page's own file, which "Speichern" writes to without asking.
    QString m_pagePath;
};
