#include "export/export_strings.h"

#include "platform/string_table.h"

namespace {

constexpr StringEntry kTexts[] = {
    {xsid::kError, "Error"},
    {xsid::kUnableToOpen, "Unable to open file"},
    {xsid::kFileError, "File Error"},
    {xsid::kNotAPointFile, "Not a readable point file"},
    {xsid::kUnableToWrite, "Unable to write file"},
    {xsid::kUnableToPrint, "Unable to print"},
    {xsid::kPostScriptFilter, "PostScript Files (*.ps)|*.ps|"},
    {xsid::kBitmapFilter, "Bitmap Files (*.bmp)|*.bmp|"},
    {xsid::kPointFileFilter, "Files (*.fig)|*.fig|"},
};

}  // namespace

void register_export_strings() { string_table().add(kTexts); }
