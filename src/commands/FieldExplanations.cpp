#include "commands/FieldExplanations.h"

#include "ui/ShadedPicture.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FieldExplanations::FieldExplanations(QObject* parent) : QObject(parent) {}

FieldExplanations::~FieldExplanations() {
    delete m_window;
}

void FieldExplanations::attach(Topic topic, std::initializer_list<QWidget*> items) {
    for (QWidget* item : items) {
        m_topics.insert(item, topic);
        item->installEventFilter(this);
        // A combo box's text field gets the double click, not the box itself.
        if (auto* combo = qobject_cast<QComboBox*>(item); combo && combo->lineEdit()) {
            m_topics.insert(combo->lineEdit(), topic);
            combo->lineEdit()->installEventFilter(this);
        }
    }
}

QString FieldExplanations::text(Topic topic) {
    switch (topic) {
    case Topic::Title:
        return QStringLiteral("Hier den Titel der Seite eingeben.");
    case Topic::TextBody:
        return QStringLiteral("Hier können Sie den Text eingeben, der auf der Webseite "
                              "dargestellt werden soll.");
    case Topic::Font:
        return QStringLiteral("Sie können hier die Schriftart eingeben. Sie können diese aber "
                              "auch mit dem Formatierungsassistenten auswählen.");
    case Topic::Color:
        return QStringLiteral("Sie können hier die Schriftfarbe eingeben. Sie können diese "
                              "aber auch mit dem Formatierungsassistenten auswählen.");
    case Topic::Emphasis:
        return QStringLiteral("Hier können Sie die Betonung (Fett, Kursiv, Unterstrichen usw.) "
                              "angeben. Sie können dies aber auch mit dem "
                              "Formatierungsassistenten auswählen.");
    case Topic::Position:
        return QStringLiteral("Hier können Sie die Position des Objektes angeben.");
    case Topic::SpacingBefore:
        return QStringLiteral("Sie können hier den Abstand vor dem Objekt eingeben.");
    case Topic::SpacingAfter:
        return QStringLiteral("Sie können hier den Abstand nach dem Objekt eingeben.");
    }
    return {};
}

void FieldExplanations::explain(Topic topic) {
    if (!m_window) {
        m_window =
            new QWidget(nullptr, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
        m_window->setObjectName(QStringLiteral("Explanation"));
        m_window->setWindowTitle(QStringLiteral("Erklärung"));
        auto* icon = new QLabel(m_window);
        new ShadedPicture(*icon, QStringLiteral("assistant_font.png"));
        icon->setAlignment(Qt::AlignTop);
        m_text = new QLabel(m_window);
        m_text->setObjectName(QStringLiteral("ExplanationText"));
        m_text->setWordWrap(true);
        m_text->setMinimumWidth(320);
        m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* ok = new QPushButton(QStringLiteral("OK"), m_window);
        ok->setObjectName(QStringLiteral("ExplanationOk"));
        connect(ok, &QPushButton::clicked, m_window, &QWidget::hide);
        auto* row = new QHBoxLayout;
        row->addWidget(icon);
        row->addWidget(m_text, 1);
        auto* layout = new QVBoxLayout(m_window);
        layout->addLayout(row);
        layout->addWidget(ok, 0, Qt::AlignHCenter);
    }
    m_text->setText(text(topic));
    m_window->adjustSize();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool FieldExplanations::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto found = m_topics.constFind(watched);
        if (found != m_topics.constEnd())
            explain(*found);
    }
    return QObject::eventFilter(watched, event);
}
