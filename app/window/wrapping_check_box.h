#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

// A check box whose caption wraps onto further lines, so that long captions fit the fixed-size
// window in every language. The box carries the object name and the caption as its accessible
// name; a click on the caption is a click on the box.
class WrappingCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit WrappingCheckBox(const char* objectName, QWidget* parent = nullptr);

    void setText(const QString& text);
    void setChecked(bool checked);
    QCheckBox* box() const { return box_; }

signals:
    void clicked(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* box_;
    QLabel* caption_;
};
