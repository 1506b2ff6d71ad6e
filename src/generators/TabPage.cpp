#include "generators/TabPage.h"

TabPage::TabPage(const char* objectName, const QString& caption, MainWindowServices& services)
    : m_services(services), m_caption(caption) {
    setObjectName(QString::fromLatin1(objectName));
}
