#include "shell/text_conversion.h"

#include "base/text_encoding.h"

namespace sillabor::shell {

QString ToQString(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

std::string FromQString(const QString& text) { return Utf8ToCp1252(text.toStdString(), ' '); }

}  // namespace sillabor::shell
