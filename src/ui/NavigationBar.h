#pragma once

#include <QWidget>

// The handheld's navigation bar at the top of the screen: the mode's title
// and an OK button (command 1).
class NavigationBar : public QWidget {
    Q_OBJECT

public:
    explicit NavigationBar(QWidget* parent);

    void SetTitle(const QString& title);
    const QString& GetTitle() const { return m_title; }
    QRect OkButtonRect() const;

signals:
    void okClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_title;
};
