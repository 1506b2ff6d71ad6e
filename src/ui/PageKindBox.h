#pragma once

#include "core/generators/PageKind.h"

#include <QComboBox>

// „Seitenart:“: classic or modern. What the user picks here is remembered for the next new
// page; what the program shows here (an opened page's kind) is not.
class PageKindBox final : public QComboBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageKindBox)
public:
    PageKindBox(QWidget* parent, const char* objectName);

    PageKind kind() const;
    void showKind(PageKind kind);

signals:
    // The user picked a kind.
    void chosen(PageKind kind);
};
