#include "app/window/value_label.h"

#include <QBoxLayout>
#include <QLabel>

namespace {
constexpr int ValueRowSpacing = 4;
} // namespace

QHBoxLayout* NewValueRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(ValueRowSpacing);
    return row;
}

QLabel* AddValueLabel(QBoxLayout* row, const QString& caption, const char* objectName) {
    auto* name = new QLabel(caption);
    auto* value = new QLabel;
    value->setObjectName(QLatin1String(objectName));
    // Room for "255" or "---", so that the row does not move as the values change.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("888")));
    name->setBuddy(value);
    row->addWidget(name);
    row->addWidget(value);
    return value;
}
