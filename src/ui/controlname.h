#pragma once

#include <QString>

// A control's name as its screen's design gives it, and its objectName at run
// time: "Command3", or element i of a control array, "Image3(4)". Only the
// named constants of controls.h are made from spelled names, so a misspelt
// control is a compile error rather than a missing element at run time.
class ControlName {
public:
    constexpr explicit ControlName(const char* name) : m_name(name) {}

    // Element i of the control array of this name.
    constexpr ControlName operator[](int index) const { return ControlName(m_name, index); }

    QString text() const {
        const QString name = QString::fromLatin1(m_name);
        return m_index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(m_index);
    }
    operator QString() const { return text(); }

private:
    constexpr ControlName(const char* name, int index) : m_name(name), m_index(index) {}

    const char* m_name;
    int m_index = -1;
};
