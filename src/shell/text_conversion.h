#pragma once
// The one conversion pair between the core's Windows-1252 text and widget text.

#include <QString>
#include <string>
#include <string_view>

namespace sillabor::shell {

QString ToQString(std::string_view cp1252);
// Characters with no Windows-1252 form become a blank.
std::string FromQString(const QString& text);

}  // namespace sillabor::shell
