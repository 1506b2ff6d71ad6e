#pragma once

#include "generators/TabPage.h"

class QPlainTextEdit;

// The tab page "Quelltext": the page source Memo2, editable.
class SourcePage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SourcePage)
public:
    SourcePage(PageServices& services, QPlainTextEdit* memo2);
    void emptyForNew(NewVariant) override {}
};
