#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

namespace kvt7 {

// Controls that share a name are told apart by their "Index" property (optSelectKomoku 0..2,
// lblDeviceType 0..3).
inline void SetControlIndex(QObject* control, const QString& name, int index)
{
    control->setObjectName(name);
    control->setProperty("Index", index);
}

template <typename T>
T* FindIndexed(const QObject* parent, const QString& name, int index)
{
    const QList<T*> controls = parent->findChildren<T*>(name);
    for (T* control : controls) {
        bool ok = false;
        if (control->property("Index").toInt(&ok) == index && ok)
            return control;
    }
    return nullptr;
}

}  // namespace kvt7
