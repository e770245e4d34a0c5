#include "look/accessible_roles.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

#include "look/link_label.h"

namespace zodiac {
namespace {

constexpr char kRoleProperty[] = "zodiacAccessibleRole";

// A link label as a screen reader should hear it: a link, named by its text,
// which the reader may also follow.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LinkLabel*>(widget())->text().simplified();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->Clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// Asked for each class of an object from its own up, before Qt's own answers.
QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    if (auto* link = qobject_cast<LinkLabel*>(widget); link && role.toInt() == QAccessible::Link)
        return new AccessibleLink(link);
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    // A change the widget announced while it was being made has Qt make and keep
    // an interface for it already, in the role of its class: it is made anew.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget); made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace zodiac
