#pragma once

#include "ui/Layout.h"

class PageContext;

// One tab page of the form builder. Its commands write into the main window's page source
// and post their notices in the main window's status bar.
class FormPage : public ScrollingPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormPage)
public:
    FormPage(PageContext& context, const char* objectName, const QString& caption);
    const QString& tabCaption() const { return m_caption; }

protected:
    PageContext& context() const { return m_context; }

private:
    PageContext& m_context;
    QString m_caption;
};
