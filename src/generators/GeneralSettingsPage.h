#pragma once

#include "generators/TabPage.h"

// The tab page "Allgemeine Einstellungen": the page as a whole: title, background, redirect and
// head entries.
class GeneralSettingsPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralSettingsPage)
public:
    explicit GeneralSettingsPage(MainWindowServices& services);
    void emptyForNew(NewVariant variant) override;
};
