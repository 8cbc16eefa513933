#pragma once

#include <QLabel>

// A label that acts as a link: drawn as one, it reports a click on it, or Space or Enter while
// it has the focus, as activated().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const char* objectName, const QString& text, QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};
