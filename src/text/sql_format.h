// The format step of statement templates, and search texts placed inside like patterns.
//
// A template is filled as the statements have always been filled: "%s" takes the next text,
// "%d" the next integer (given as text), "%%" stands for one "%". The template is read once
// from left to right, so a "%" inside a value stays what it is.
//
// A search text typed by a person goes between '%...%' of a like pattern. LikeLiteral makes
// it match only itself: the pattern characters % _ [ are each written in brackets ([%] [_]
// [[]) and a single quote is doubled, so no text can end the literal or the statement.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmora::text {

// templ with its placeholders filled by values in order. Throws std::invalid_argument when
// the values do not match the placeholders in number.
QString SqlFormat(QStringView templ, const QStringList& values);

// s as the inside of a quoted like pattern that finds s literally.
QString LikeLiteral(QStringView s);

}  // namespace velmora::text
