#pragma once

#include <QListWidget>

// elementList: the 60 elements with a check box each. A click on a check box, or Space on the
// current entry, is handed to the editor as one event instead of Qt's own toggling, because
// the editor's rules depend on the order in which the entry becomes current and its box
// turns over.
class ElementListView : public QListWidget {
    Q_OBJECT
public:
    explicit ElementListView(QWidget* parent = nullptr);

    // Where an entry's check box is, in the list's viewport.
    QRect checkBoxRect(int row) const;

signals:
    void checkBoxClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The row whose check box is under a point, or -1.
    int checkBoxAt(QPoint point) const;
    bool swallowRelease_ = false;
};
