#pragma once

#include "core/generators/LinksHtml.h"

#include <QList>
#include <QWidget>

class ClickableLabel;
class OpenDialogObject;
class PagePictures;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

// The columns the rows of the page "Links" line up in, the address's and each mode's alike.
enum LinkColumn { CaptionColumn, FieldColumn, PictureColumn, LinkColumnCount };

// Spaces a grid's columns as the page "Links" does: groups apart, the fields taking the room.
void spaceLinkColumns(QGridLayout& grid);

// The controls of a link shown as text: the text it shows.
class TextLinkPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextLinkPanel)
public:
    explicit TextLinkPanel(QWidget* parent);

    QGridLayout* grid() const { return m_grid; }
    QString linkText() const;
    // The fields New empties and the edit commands follow.
    QList<QLineEdit*> textFields() const;

private:
    QGridLayout* m_grid = nullptr;
    QLabel* Label37 = nullptr;
    QLineEdit* Edit20 = nullptr;
};

// The controls of a link shown as a picture: the picture's file and text, its border and,
// once its check box is clicked ticked, its size.
class ImageLinkPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImageLinkPanel)
public:
    ImageLinkPanel(OpenDialogObject& pictureDialog, PagePictures& pictures, QWidget* parent);

    QGridLayout* grid() const { return m_grid; }
    // The picture as the fields give it, placed as the page's format says.
    ImageLink imageLink(const Placement& placement) const;
    // The fields New empties and the edit commands follow.
    QList<QLineEdit*> textFields() const;
    // The field of the picture's file.
    QLineEdit& pictureField() const { return *Edit22; }
    // Hides the size fields when the page leaves the picture; back in it, they wait for the
    // next click of their check box, however it stands.
    void hideSizeFields();

    // The folder beside the picture: chooses a picture.
    void Image4Click();
    // The size check box: shows or hides the size fields.
    void CheckBox4Click();

private:
    OpenDialogObject& m_pictureDialog;
    PagePictures& m_pictures;
    QGridLayout* m_grid = nullptr;
    QLabel* Label42 = nullptr;
    QLabel* Label38 = nullptr;
    QLineEdit* Edit22 = nullptr;
    ClickableLabel* Image4 = nullptr;
    QLabel* Label39 = nullptr;
    QLineEdit* Edit21 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* ComboBox11 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QWidget* m_sizeFields = nullptr;
    QLabel* Label40 = nullptr;
    QLineEdit* Edit23 = nullptr;
    QLabel* Label41 = nullptr;
    QLineEdit* Edit24 = nullptr;
};
