#include "FileBrowserFrameUnit.h"

#include <shlobj.h>

#include "DriveProbe.h"
#include "FileBrowserLayout.h"
#include "FolderListing.h"
#include "StartDrive.h"
#include "UtilsUnit.h"

namespace {
const char kFilter[] = "Ruvo Modules|*.ruvo|Microsoft Office PowerPoint files|*.ppt;*.pps|All files (*.*)|*.*";
constexpr TColor kGrey = RGB(128, 128, 128);
const TFontSpec kFont{"Tahoma", -24, false, RGB(192, 192, 192)};
constexpr int kListItemHeight = 29;

// The inner panels take the frame's colour and font.
TFrame& Panel(TWinControl& parent) {
  TFrame& panel = parent.Add<TFrame>();
  panel.SetColor(kGrey);
  panel.SetFont(kFont);
  return panel;
}
}  // namespace

TFileBrowserFrame::TFileBrowserFrame()
    : FileNamePanel(Panel(*this)),
      FileNameLabel(FileNamePanel.Add<TLabel>()),
      FileListPanel(Panel(*this)),
      FileListBox(FileListPanel.Add<TFileListBox>()),
      FilterComboBox(FileListPanel.Add<TFilterComboBox>()),
      Splitter1(Add<TSplitter>()),
      DirListPanel(Panel(*this)),
      DirectoryListBox(DirListPanel.Add<TDirectoryListBox>()),
      DriveComboBox(DirListPanel.Add<TDriveComboBox>()),
      ControlPanel(Panel(*this)),
      OKButton(ControlPanel.Add<TButton>()),
      CancelButton(ControlPanel.Add<TButton>()) {
  SetColor(kGrey);
  SetFont(kFont);
  SetBounds(0, 0, kFileBrowserDesignWidth, kFileBrowserDesignHeight);
  SetVisible(false);

  FileNameLabel.SetLayout(TTextLayout::Center);
  FileNameLabel.SetShowAccelChar(false);
  FileNameLabel.SetPathEllipsis(true);
  FileListBox.SetItemHeight(kListItemHeight);
  FileListBox.SetMask("*.ruvo");
  FileListBox.OnChange = [this](TListBox&) { FileListBoxChange(); };
  FileListBox.OnDblClick = [this](TListBox&) { FileListBoxDblClick(); };
  FilterComboBox.SetItemHeight(kListItemHeight);
  FilterComboBox.SetFilter(kFilter);
  FilterComboBox.FileList = &FileListBox;
  FilterComboBox.OnChange = [this](TComboBox&) { FilterComboBoxClick(); };
  Splitter1.SetColor(kGrey);
  Splitter1.OnMoved = [this](TSplitter&, int left) {
    fileListWidth_ = SplitterFileListWidth(left, Width());
    Layout();
  };
  DirectoryListBox.SetItemHeight(kListItemHeight);
  DirectoryListBox.FileList = &FileListBox;
  DirectoryListBox.OnChange = [this](TListBox&) { DirectoryListBoxChange(); };
  DriveComboBox.SetItemHeight(kListItemHeight);
  DriveComboBox.DirList = &DirectoryListBox;
  OKButton.SetCaption("OK");
  CancelButton.SetCaption("Cancel");

  // The file panel takes half the design width and keeps it when the frame is sized later.
  fileListWidth_ = Width() / 2;
  Layout();
  OnResize = [this](TWinControl&) { Layout(); };
  OpenStartFolder();
}

void TFileBrowserFrame::Layout() {
  TFileBrowserBounds b = FileBrowserLayout(Width(), Height(), fileListWidth_);
  FileNamePanel.SetBounds(b.FileNamePanel);
  FileNameLabel.SetBounds(b.FileNameLabel);
  FileListPanel.SetBounds(b.FileListPanel);
  FileListBox.SetBounds(b.FileListBox);
  FilterComboBox.SetBounds(b.FilterComboBox);
  Splitter1.SetBounds(b.Splitter);
  DirListPanel.SetBounds(b.DirListPanel);
  DirectoryListBox.SetBounds(b.DirectoryListBox);
  DriveComboBox.SetBounds(b.DriveComboBox);
  ControlPanel.SetBounds(b.ControlPanel);
  OKButton.SetBounds(b.OKButton);
  CancelButton.SetBounds(b.CancelButton);
}

void TFileBrowserFrame::OpenStartFolder() {
  if (!startCurrentDrive_) startCurrentDrive_ = DriveComboBox.Drive();
  char current = startCurrentDrive_;
  char start = ChooseStartDrive(DriveComboBox.Letters(), current, DriveTypeOf, DriveAnswers);
  std::string desktop = start == current ? GetSpecialFolderPath(CSIDL_DESKTOPDIRECTORY) : std::string();
  if (!FolderExists(desktop)) desktop.clear();
  TStartFolder folder = ChooseStartFolder(start, current, desktop);
  DriveComboBox.SetDrive(folder.Drive);
  if (folder.Folder != DirectoryListBox.Directory()) DirectoryListBox.SetDirectory(folder.Folder);
}

void TFileBrowserFrame::RefreshDrives() {
  DriveComboBox.Rebuild();
  char drive = DriveComboBox.Drive();
  if (DriveComboBox.Letters().find(drive) == std::string::npos || !DriveAnswers(drive))
    OpenStartFolder();
  else  // files come and go while the browser is hidden (a module just exported)
    DirectoryListBox.SetDirectory(DirectoryListBox.Directory());
}

void TFileBrowserFrame::AutoPickFilter() {
  if (FFilterChosen) return;
  size_t index = AutoPickFilterIndex(FilterComboBox.Entries(), FileListBox.AllFiles());
  FilterComboBox.SetItemIndex(int(index));
  FileListBox.SetMask(FilterComboBox.Mask());
}

void TFileBrowserFrame::DirectoryListBoxChange() { AutoPickFilter(); }

void TFileBrowserFrame::FilterComboBoxClick() { FFilterChosen = true; }

void TFileBrowserFrame::FileListBoxChange() {
  std::string path = FileListBox.FileName();
  FileNameLabel.SetCaption(path);
  // OK follows the selection at once, not at the host's next idle time.
  OKButton.SetEnabled(!path.empty());
}

void TFileBrowserFrame::FileListBoxDblClick() {
  // A double click beside the files, with none selected, is no choice.
  if (FileListBox.FileName().empty()) return;
  FileListBoxChange();
  OKButton.Click();
}
