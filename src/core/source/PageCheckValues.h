#pragma once

#include <QString>
#include <QStringView>

// What the check reads in attribute values, addresses and the lines around tags.
namespace Check {

// Whether the text holds nothing but blanks.
bool isBlank(QStringView text);

// Text right after a tag that reads like an attribute: '"', blanks, a name, '=' and a quote,
// left over when a quote in the tag ended a value early.
bool looksLikeAttribute(QStringView text);

// A refresh's delay: a whole number or a decimal number with a point, before the ';'.
bool isDelay(QStringView delay);

// Whether an address leads to a host kept for examples, where nothing arrives.
bool isExampleAddress(const QString& address);

// The line of a text link: the paragraph closes before the anchor it holds.
bool isTextLinkLine(QStringView line);

// The emphasis end tags the text page writes, each on a line of its own in this order after
// the paragraph; browsers put that right without a change the reader sees.
bool isEmphasisCloseLine(QStringView line);

// "http:", "mailto:" and the like; a single letter is a drive, not a scheme.
bool hasScheme(QStringView address);

bool hasBadPercent(QStringView name);

} // namespace Check
