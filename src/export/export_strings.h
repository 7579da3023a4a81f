#pragma once
// Texts of the file, export and printing commands.

namespace xsid {
inline constexpr int kError = 1007;              // "Error"
inline constexpr int kUnableToOpen = 1012;       // "Unable to open file"
inline constexpr int kFileError = 1013;          // "File Error"
inline constexpr int kNotAPointFile = 1014;      // "Not a readable point file"
inline constexpr int kUnableToWrite = 1015;      // "Unable to write file"
inline constexpr int kUnableToPrint = 1016;      // "Unable to print"
inline constexpr int kPostScriptFilter = 1017;   // "PostScript Files (*.ps)|*.ps|"
inline constexpr int kBitmapFilter = 1021;       // "Bitmap Files (*.bmp)|*.bmp|"
inline constexpr int kPointFileFilter = 1992;    // "Files (*.fig)|*.fig|"
}  // namespace xsid

// Adds these texts to the program's string table; safe to call more than once.
void register_export_strings();
