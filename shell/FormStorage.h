// One section of the settings file as the window keeps its state in it:
// the window keys ("FormVersion", the placement, "Visible") and one key per
// stored item, made of the component's name, "_" and the property's name.
// Values are read with the control's current value as their default, so a
// missing key or a value that cannot be used leaves the control as it is.
#pragma once

#include "IniFile.h"

#include <QString>
#include <string>

class QWidget;

namespace lexorin {

class TResultGrid;

class TFormStorage {
public:
    TFormStorage(TIniFile& file, std::string section) : file_(file), section_(std::move(section)) {}

    // The section is applied only when its "FormVersion" is at least 0.
    bool Applies() const;
    bool Has(const char* key) const { return Read(key).has_value(); }

    // "FormVersion", "Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos(WxH)",
    // "MinMaxPos", "NormPos(WxH)", "NormPos" and "Visible".
    void WriteWindow(const QWidget& window);
    // The window's normal rectangle, when "PixelsPerInch" is the screen's,
    // and its state from "ShowCmd".
    void RestoreWindow(QWidget& window) const;

    void WriteCheck(const char* key, bool on);
    void ReadCheck(const char* key, bool& on) const; // "True"/"False", any case
    void WriteInteger(const char* key, int value);
    void ReadInteger(const char* key, int& value) const; // no integer: 0
    void WriteText(const char* key, const QString& text);
    void ReadText(const char* key, QString& text) const;

private:
    std::optional<std::string> Read(const char* key) const;

    TIniFile& file_;
    std::string section_;
};

// A list's column layout in the section "<list name>Columns": one key
// "<list name>.<field>" per column with "position,width,sort marker,
// visible,sort index,drop-down rows,drop-down width". The section is
// written anew; only the widths are read back, a column whose key is
// missing or whose width is no integer keeping its own.
void WriteColumns(TIniFile& file, const TResultGrid& grid);
void EraseColumns(TIniFile& file, const TResultGrid& grid);
void RestoreColumns(const TIniFile& file, TResultGrid& grid);

} // namespace lexorin
