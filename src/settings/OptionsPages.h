#pragma once
// What the options dialog shows where: its pages, their sub-pages and, on each, the
// controls in order. The window builds itself from this table and the model reads the
// same keys, so every option has one control and the tests can check that none is missing
// or shown twice.
//
// Controls name their option by its key (Options.h); the key's table row gives the
// caption, the hint and, for lists, the items. Check boxes, tool buttons and value
// controls take the key's name without its "_Checked", "_Down" or "_Value" as their
// object name.

#include "kit/Color.h"

#include <vector>

namespace kolibra::settings {

enum TOptionsItemKind {
  oiCheckBox,  // a Boolean key
  oiValue,     // a number: an up-down, or a combo box when the key has items
  oiTool,      // a graph tool's button; consecutive tools make one tool bar
  oiLabel,     // a caption (Text) in Color
  oiGroup,     // opens a group box captioned Text; oiEndGroup closes it
  oiEndGroup,
  oiPassword,     // the password lock's check box
  oiAssociation,  // the ".klb" association's check box
  oiFolder,       // the default folder: a read-only edit, "Change ..." and "Delete"
  oiLanguage,     // the interface language: a combo box and when it applies
};

struct TOptionsItem {
  TOptionsItemKind Kind;
  const char *Key;   // the option's key; nullptr for labels and groups
  const char *Text;  // untranslated, context "BoiteOptionsText"; labels and groups only
  TColor Color = colors::clBlack;
};

struct TOptionsSubPage {
  const char *Name;     // object name of the sheet
  const char *Caption;  // untranslated, context "BoiteOptionsText"
  std::vector<TOptionsItem> Items;
};

struct TOptionsPage {
  const char *Name;
  const char *Caption;  // the tab's text, or its tool tip when the tab shows an icon
  bool IconOnly;        // the view pages and the two last pages show an icon on their tab
  std::vector<TOptionsItem> Header;  // above the sub-pages
  std::vector<TOptionsSubPage> SubPages;
};

const std::vector<TOptionsPage> &OptionsPages();

// The object name of a key's control: the key without "_Checked", "_Down" or "_Value".
QString ControlName(const char *key);

}  // namespace kolibra::settings
