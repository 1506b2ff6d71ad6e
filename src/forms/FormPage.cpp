#include "forms/FormPage.h"

#include "context/PageContext.h"

FormPage::FormPage(PageContext& context, const char* objectName, const QString& caption)
    : m_context(context), m_caption(caption) {
    setObjectName(QString::fromLatin1(objectName));
}
