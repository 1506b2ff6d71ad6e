#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// The short explanations that a double click on a label or field of the main window's tab
// pages shows, in a window of their own that stays open beside the main window.
class FieldExplanations final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FieldExplanations)
public:
    enum class Topic {
        Title,
        TextBody,
        Font,
        Color,
        Emphasis,
        Position,
        SpacingBefore,
        SpacingAfter
    };

    explicit FieldExplanations(QObject* parent = nullptr);
    ~FieldExplanations() override;

    // A double click on any of the items shows the topic's explanation.
    void attach(Topic topic, std::initializer_list<QWidget*> items);

    static QString text(Topic topic);
    // Brings the explanation window to the front with the topic's text.
    void explain(Topic topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, Topic> m_topics;
    QPointer<QWidget> m_window;
    QLabel* m_text = nullptr;
};
