#pragma once

#include "ui/PageViewPane.h"

#include <QObject>

// The plugin's root object: makes web page view panes.
class PageViewPlugin final : public QObject, public PageViewFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PageViewFactory_iid)
    Q_INTERFACES(PageViewFactory)
public:
    PageViewPane* create(QWidget* parent) override;
};
