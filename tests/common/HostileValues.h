#pragma once

#include <QByteArray>
#include <QVector>

// Values as a file from elsewhere may hold them: serialised containers and
// texts whose count or length claims far more than the line holds. Qt
// reserves what a container claims before reading an element, so each of
// these asked for gigabytes and ended the program; they must read as no
// value. As the INI line's text after "=".
struct HostileValue
{
    const char *name;
    QByteArray text;
};

inline QVector<HostileValue> hostileValues()
{
    return {
        {"text list of 2^31", R"(@Variant(\0\0\0\v\x7f\xff\xff\xff))"},
        {"variant list", R"(@Variant(\0\0\0\t\x7f\xff\xff\xff))"},
        {"variant map", R"(@Variant(\0\0\0\b\x7f\xff\xff\xff))"},
        {"variant hash", R"(@Variant(\0\0\0\x1c\x7f\xff\xff\xff))"},
        {"byte array list", R"(@Variant(\0\0\0\x31\x7f\xff\xff\xff))"},
        {"text list named by type name",
         R"(@Variant(\0\0\0\x7f\0\0\0\fQStringList\0\x7f\xff\xff\xff))"},
        {"text of 2^30 characters", R"(@Variant(\0\0\0\n\x7f\xff\xff\xfe\0h))"},
        {"bytes of 2^31", R"(@Variant(\0\0\0\f\x7f\xff\xff\xff\x1))"},
        {"a list item", R"(a, @Variant(\0\0\0\v\x7f\xff\xff\xff), b)"},
    };
}
