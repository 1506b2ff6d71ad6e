#include "generators/TabPage.h"

TabPage::TabPage(const char* objectName, PageServices& services) : m_services(services) {
    setObjectName(QString::fromLatin1(objectName));
}
