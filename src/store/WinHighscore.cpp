#include "store/WinHighscore.h"

#include <string>

#include "game/GameManager.h"
#include "platform/AddressBook.h"
#include "platform/Dialog.h"
#include "store/HighscoreManager.h"
#include "store/Preferences.h"

namespace {

constexpr const char* Message = "You made it to level %%! Add your name to the highscore list?";

// The shown dialog, and the last closed one: a dialog is not destroyed from
// inside its own button's action, only when the next one replaces it.
std::unique_ptr<WinHighscore> current;
bool shown = false;

// "First Last", with each pair of blanks made one in a single pass.
std::string ProposedName(const platform::Card& card) {
  const std::string joined = card.FirstName + " " + card.LastName;
  std::string name;
  for (size_t i = 0; i < joined.size(); ++i) {
    name += joined[i];
    if (joined[i] == ' ' && i + 1 < joined.size() && joined[i + 1] == ' ') ++i;
  }
  return name;
}

}  // namespace

void WinHighscore::Show() {
  current.reset(new WinHighscore);
  shown = true;
  current->Event_Open();
  current->dialog->ShowWithin(GameManager::GetGameWindow());
}

WinHighscore* WinHighscore::IfOpen() { return shown ? current.get() : nullptr; }

WinHighscore::WinHighscore() : dialog(std::make_unique<platform::Dialog>("Highscore", 486, 142)) {
  dialog->AddLabel("lblMessage", 20, 20, 446, 20, Message);
  dialog->AddTextField("textName", 51, 60, 385, 22, "Your Name");
  dialog->AddButton("btnCancel", 294, 102, 80, 20, "Skip", platform::Dialog::Role::Cancel,
                    [this] { btnCancel_Action(); });
  dialog->AddButton("btnAdd", 386, 102, 80, 20, "Add", platform::Dialog::Role::Default, [this] { btnAdd_Action(); });
  dialog->SetTabOrder({"btnCancel", "textName", "btnAdd", "lblMessage"});
}

void WinHighscore::Event_Open() {
  if (Preferences::UserName.empty()) {
    if (const auto card = platform::MyCard()) Preferences::UserName = ProposedName(*card);
  }
  dialog->SetText("textName", Preferences::UserName);
  dialog->FocusAndSelectAll("textName");
  GameInstance* game = GameManager::game.get();
  std::string message = Message;
  message.replace(message.find("%%"), 2, std::to_string(game ? game->Score + 1 : 1));
  dialog->SetText("lblMessage", message);
  if (game) game->TimerPause();
}

void WinHighscore::btnAdd_Action() {
  if (GameInstance* game = GameManager::game.get()) {
    const double date = game->GameEndDate ? game->GameEndDate->TotalSeconds : 0;
    HighscoreManager::AddScore(dialog->Text("textName"), game->Score + 1, date);
    game->NewGame(false);
    game->ToggleHighscore();
  }
  Close();
}

void WinHighscore::btnCancel_Action() {
  if (GameInstance* game = GameManager::game.get()) game->NewGame(true);
  Close();
}

void WinHighscore::Close() {
  shown = false;
  dialog->Close();
}
