#pragma once

#include <QObject>
#include <QString>

class QLabel;

// Shows one of the built-in pictures (see Artwork) on a label in the shade that suits the
// label's palette, and shows it anew when the palette changes: when the desktop turns dark or
// light while the program runs, the pictures follow at once.
class ShadedPicture final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShadedPicture)
public:
    // Shows the picture on the label, to which it then belongs.
    ShadedPicture(QLabel& label, QString artwork);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showInShade();

    QLabel& m_label;
    QString m_artwork;
};
