#include "pageview/PageViewPlugin.h"

#include "pageview/WebPageView.h"

PageViewPane* PageViewPlugin::create(QWidget* parent) {
    return new WebPageView(parent);
}
