// What a window of fixed layout must hold to, without its pixel positions: in each container
// given, every child not hidden lies inside the container, no two of them overlap, and every
// label is at least as large as its text needs, so that nothing is cut. pastTheEdge, when given,
// is a child known to reach past its container's edge; the caller checks how far.
#pragma once

#include <QLabel>
#include <QtTest>

inline void CheckLayout(std::initializer_list<const QWidget*> containers,
                        const QWidget* pastTheEdge = nullptr) {
    for (const QWidget* container : containers) {
        QList<const QWidget*> shown;
        for (const QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden() && !child->isWindow())
                shown << child;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QWidget* a = shown[i];
            const QByteArray name = a->objectName().toUtf8();
            QVERIFY2(a == pastTheEdge || container->rect().contains(a->geometry()),
                     name.constData());
            if (const auto* label = qobject_cast<const QLabel*>(a))
                QVERIFY2(label->width() >= label->sizeHint().width() &&
                             label->height() >= label->sizeHint().height(),
                         name.constData());
            for (const QWidget* b : shown.mid(i + 1))
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         (name + " overlaps " + b->objectName().toUtf8()).constData());
        }
    }
}
