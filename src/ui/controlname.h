#pragma once

#include <QString>
#include <type_traits>

// A control's name as a screen's design gives it, and its objectName at run
// time: "Command3", or element i of a control array, "Image3(4)".
class ControlName {
public:
    constexpr ControlName() : ControlName("") {}
    constexpr explicit ControlName(const char* name, int index = -1)
        : m_name(name), m_index(index) {}

    // Element i of the control array of this name.
    constexpr ControlName operator[](int index) const { return ControlName(m_name, index); }

    QString text() const {
        const QString name = QString::fromLatin1(m_name);
        return m_index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(m_index);
    }

protected:
    constexpr const char* name() const { return m_name; }

private:
    const char* m_name;
    int m_index;
};

// A name of one screen's design. The tag is a type of that screen (or screen
// family) alone: a design takes the names of its own tag and of the tags its
// tag derives from (elements that several screens share), so the name of
// another screen's element does not compile there.
template <class T> class Control : public ControlName {
public:
    using Tag = T;
    constexpr Control() = default;
    constexpr explicit Control(const char* name, int index = -1) : ControlName(name, index) {}
    constexpr Control operator[](int index) const { return Control(name(), index); }
};

// True when Name is a name of a design tagged Tag.
template <class Name, class Tag>
concept NameOf = std::is_base_of_v<typename Name::Tag, Tag>;

// Declares a screen's tag and its control names, each constant and its text
// spelled by one token so that they cannot differ:
// MIROSUTA_CONTROLS(menu, Image1, Command1) declares controls::menu::Tag and
// controls::menu::Image1 ("Image1") and controls::menu::Command1 ("Command1").
#define MIROSUTA_CONTROLS(screen, ...)                                                             \
    namespace controls::screen {                                                                   \
    struct Tag {                                                                                   \
        using Base = void;                                                                         \
    };                                                                                             \
    MIROSUTA_FOR_EACH(MIROSUTA_CONTROL, __VA_ARGS__)                                               \
    }
// The same for a screen whose tag derives from another's, whose names it
// also takes: MIROSUTA_CONTROLS_OF(radiusStage, radius, Image2).
#define MIROSUTA_CONTROLS_OF(screen, base, ...)                                                    \
    namespace controls::screen {                                                                   \
    struct Tag : base::Tag {                                                                       \
        using Base = base::Tag;                                                                    \
    };                                                                                             \
    MIROSUTA_FOR_EACH(MIROSUTA_CONTROL, __VA_ARGS__)                                               \
    }
#define MIROSUTA_CONTROL(name) inline constexpr Control<Tag> name(#name);

// MIROSUTA_FOR_EACH(m, a, b, c) is m(a) m(b) m(c): each rescan of
// MIROSUTA_EXPAND lets the next step out, for up to 64 arguments.
#define MIROSUTA_FOR_EACH(macro, ...)                                                              \
    __VA_OPT__(MIROSUTA_EXPAND(MIROSUTA_FOR_EACH_STEP(macro, __VA_ARGS__)))
#define MIROSUTA_FOR_EACH_STEP(macro, first, ...)                                                  \
    macro(first) __VA_OPT__(MIROSUTA_FOR_EACH_AGAIN MIROSUTA_PARENS(macro, __VA_ARGS__))
#define MIROSUTA_FOR_EACH_AGAIN() MIROSUTA_FOR_EACH_STEP
#define MIROSUTA_PARENS ()
#define MIROSUTA_EXPAND(...)                                                                       \
    MIROSUTA_EXPAND3(MIROSUTA_EXPAND3(MIROSUTA_EXPAND3(MIROSUTA_EXPAND3(__VA_ARGS__))))
#define MIROSUTA_EXPAND3(...)                                                                      \
    MIROSUTA_EXPAND2(MIROSUTA_EXPAND2(MIROSUTA_EXPAND2(MIROSUTA_EXPAND2(__VA_ARGS__))))
#define MIROSUTA_EXPAND2(...)                                                                      \
    MIROSUTA_EXPAND1(MIROSUTA_EXPAND1(MIROSUTA_EXPAND1(MIROSUTA_EXPAND1(__VA_ARGS__))))
#define MIROSUTA_EXPAND1(...) __VA_ARGS__
