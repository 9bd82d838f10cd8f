#pragma once
// The drive list, folder list and file list of the copy window and the folder picker, under
// their documented object names "Drive1", "Dir1" and "File1".
// Hand-made rather than over QFileSystemModel: the drives are the editor's own list (drive
// letters, elsewhere the root, home and mounted volumes), the folder list shows the open chain
// from the top with the sub-folders below it as the game's tools did, the lists are refilled at
// once when the folder changes (the windows read them right after), and a drive that does not
// answer gets the game's message.
#include "platform/native_path.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace mf7 {

class Messages;

class FolderBrowser : public QWidget {
    Q_OBJECT
  public:
    struct Look {
        // Drive and folder icons, as the folder picker shows them.
        bool icons = false;
        // The folder list starts at the top of the folder's drive; otherwise at the top of the
        // file system, as the copy window shows it.
        bool from_drive_top = false;
    };

    FolderBrowser(Messages& messages, Look look, QWidget* parent = nullptr);

    // The folder the folder list has open.
    const NativePath& folder() const { return folder_; }
    // The files listed are those matching pattern ("*.*", "*.cam" ...); from the next listing on.
    void set_pattern(const std::string& pattern) { pattern_ = pattern; }
    // Opens folder (a missing one at its nearest existing parent): the three lists are refilled
    // and folder_shown follows.
    void go_to(const NativePath& folder);
    // Lists folder's files and lets the drive follow, leaving the folder list as it is.
    void show_files(const NativePath& folder);
    // Fills the three lists again for the folder open now.
    void refresh();
    // Reads the drives again.
    void refresh_drives();

    QListWidget* folder_list() const { return folder_list_; }
    QListWidget* file_list() const { return file_list_; }

  signals:
    // The file list shows folder (the drive list follows it).
    void folder_shown(const QString& folder);
    // A folder of the list was opened by a double-click or Enter.
    void folder_opened(const QString& folder);
    // A folder of the list was clicked.
    void folder_clicked(const QString& folder);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill_folders();
    void fill_files(const NativePath& folder);
    void select_drive_of(const NativePath& folder);
    void drive_chosen(int index);
    void open_item(QListWidgetItem* item);
    QListWidgetItem* folder_item(const NativePath& path, const NativePath& name, int depth,
                                 bool open) const;

    Messages& messages_;
    Look look_;
    NativePath folder_;
    std::string pattern_ = "*.*";
    std::vector<NativePath> drives_;
    QComboBox* drive_list_;
    QListWidget *folder_list_, *file_list_;
};

} // namespace mf7
