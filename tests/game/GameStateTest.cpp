// The saved game state text: writing, reading back, and damaged texts.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "game/GameInstance.h"
#include "store/KeyList.h"
#include "support/Bytes.h"
#include "support/GamePlay.h"
#include "support/Recorders.h"

namespace {

using Shapes = std::vector<int32_t>;
using Items = std::map<std::string, std::string>;

const Shapes ExampleBoard = {5, 2, 1, 1, 2, 5, 5, 1, 2, 2, 1, 5, 1, 2, 5, 1};

void setExample(GameInstance& game) {
  game.Score = 12;
  game.BoardSize = 4;
  game.Shape = ExampleBoard;
  game.AllowedShapes = {2, 1, 5};
  game.DisabledShapes = {3, 4};
}

// The items of a state text, read as a binary list.
Items itemsOf(const std::string& state) {
  KeyList list;
  list.BinaryFormat = true;
  list.AddData(state);
  Items items;
  for (int32_t i = 0; i < list.ItemCount(); ++i) items[list.GetItemKey(i)] = list.GetItem(i);
  return items;
}

// The worked example's state with some items replaced; a replacement text
// of "-" leaves the item out.
std::string stateWith(const Items& changes) {
  Items items = {{"BoardSize", "4"},
                 {"Score", "12"},
                 {"Shape", "5 2 1 1 2 5 5 1 2 2 1 5 1 2 5 1"},
                 {"AllowedShapes", "2 1 5"},
                 {"DisabledShapes", "3 4"},
                 {"CountDown", "5"}};
  for (const auto& [key, value] : changes) items[key] = value;
  KeyList list;
  list.BinaryFormat = true;
  list.OptimizeBinaryLengthData = true;
  for (const char* key : {"BoardSize", "Score", "Shape", "AllowedShapes", "DisabledShapes", "CountDown"}) {
    if (items[key] != "-") list.AddItem(key, items[key]);
  }
  return list.GetData();
}

std::string codes(size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += i == 0 ? "1" : (i % 2 ? " 2" : " 1");
  return text;
}

void expectFreshGame(const GameInstance& game) {
  EXPECT_EQ(game.BoardSize, 2);
  EXPECT_EQ(game.Score, 0);
  EXPECT_EQ(game.AllowedShapes, (Shapes{2, 1}));
  EXPECT_EQ(game.DisabledShapes, (Shapes{3, 4, 5}));
  EXPECT_EQ(game.Shape.size(), 4u);
  EXPECT_EQ(game.CountDown, 5);
}

class GameStateTest : public testing::Test {
 protected:
  Recorders recorders;
};

TEST_F(GameStateTest, WorkedExampleByteForByte) {
  GameInstance game;
  setExample(game);
  const std::string expected = Bytes({0x01}) + Record1("BoardSize", "4") + Record1("Score", "12") +
                               Record1("Shape", "5 2 1 1 2 5 5 1 2 2 1 5 1 2 5 1") +
                               Record1("AllowedShapes", "2 1 5") + Record1("DisabledShapes", "3 4") +
                               Record1("CountDown", "5");
  ASSERT_EQ(expected.size(), 111u);
  EXPECT_EQ(game.GetState(), expected);
}

TEST_F(GameStateTest, StateOfANewGame) {
  GameInstance game;
  const Items items = itemsOf(game.GetState());
  EXPECT_EQ(items.at("BoardSize"), "2");
  EXPECT_EQ(items.at("Score"), "");
  const std::string shape = items.at("Shape");
  EXPECT_TRUE(shape == "1 1 2 2" || shape == "1 2 1 2" || shape == "1 2 2 1" || shape == "2 1 1 2" ||
              shape == "2 1 2 1" || shape == "2 2 1 1")
      << shape;
  EXPECT_EQ(items.at("AllowedShapes"), "2 1");
  EXPECT_EQ(items.at("DisabledShapes"), "3 4 5");
  EXPECT_EQ(items.at("CountDown"), "5");

  GameInstance restored;
  restored.SkipLevels(4);
  restored.SetState(game.GetState());
  EXPECT_EQ(restored.Score, 0);
  EXPECT_EQ(restored.BoardSize, 2);
}

TEST_F(GameStateTest, AllShapesInPlayLeaveNoneToCome) {
  GameInstance game;
  game.SkipLevels(50);
  EXPECT_EQ(itemsOf(game.GetState()).at("DisabledShapes"), "");
  GameInstance restored;
  restored.SetState(game.GetState());
  EXPECT_TRUE(restored.DisabledShapes.empty());
  EXPECT_EQ(restored.AllowedShapes, (Shapes{2, 1, 5, 4, 3}));
}

TEST_F(GameStateTest, TheCountdownIsStoredFull) {
  GameInstance game;
  game.tmr->Action();
  game.tmr->Action();
  game.tmr->Action();
  ASSERT_EQ(game.CountDown, 2);
  EXPECT_EQ(itemsOf(game.GetState()).at("CountDown"), "5");
  game.DoBlankout();
  EXPECT_EQ(itemsOf(game.GetState()).at("CountDown"), "5");
}

TEST_F(GameStateTest, TheHeaderNamesTheWidthThatTheBoardNeeds) {
  GameInstance game;
  for (const auto& [side, header] : {std::pair{11, 1}, {12, 2}}) {
    game.BoardSize = side;
    game.NewBoard(false, false, false);
    EXPECT_EQ(game.GetState()[0], static_cast<char>(header)) << side;
  }
}

TEST_F(GameStateTest, ReadingBackAWrittenStateKeepsTheGame) {
  GameInstance game;
  game.SkipLevels(33);
  game.tmr->Action();
  GameInstance restored;
  restored.SetState(game.GetState());
  EXPECT_EQ(restored.BoardSize, game.BoardSize);
  EXPECT_EQ(restored.Score, game.Score);
  EXPECT_EQ(restored.Shape, game.Shape);
  EXPECT_EQ(restored.AllowedShapes, game.AllowedShapes);
  EXPECT_EQ(restored.DisabledShapes, game.DisabledShapes);
  EXPECT_EQ(restored.CountDown, 5);
  EXPECT_TRUE(recorders.messages.empty());
}

TEST_F(GameStateTest, ALostGameIsRestoredAsARunningGameAtItsLevel) {
  GameInstance game;
  game.SkipLevels(7);
  game.DoBlankout();
  game.IsGameOver = true;
  const std::string state = game.GetState();

  GameInstance restored;
  restored.SetState(state);
  restored.NewBoard(false, true, false);
  EXPECT_EQ(restored.Score, 7);
  EXPECT_EQ(restored.BoardSize, 4);
  EXPECT_FALSE(restored.IsGameOver);
  EXPECT_FALSE(restored.DoingBlankout);
  EXPECT_EQ(restored.CountDown, 5);
  ASSERT_TRUE(restored.tmr);
  EXPECT_GT(restored.tmr->Mode(), 0);
}

TEST_F(GameStateTest, StatesThatCannotBePlayedGiveAFreshGame) {
  const std::pair<const char*, std::string> cases[] = {
      {"board size 1", stateWith({{"BoardSize", "1"}, {"Shape", "1"}})},
      {"board size 0", stateWith({{"BoardSize", ""}, {"Shape", ""}})},
      {"negative board size", stateWith({{"BoardSize", "-3"}})},
      {"board too large", stateWith({{"BoardSize", "1001"}, {"Shape", codes(1001 * 1001)}})},
      {"board far too large", stateWith({{"BoardSize", "2147483647"}})},
      {"no shapes in play", stateWith({{"AllowedShapes", ""}})},
      {"one shape in play", stateWith({{"AllowedShapes", "2"}, {"Shape", codes(16)}})},
      {"a code above 5", stateWith({{"AllowedShapes", "2 1 6"}})},
      {"a code of 0", stateWith({{"DisabledShapes", "0 4"}})},
      {"a negative code", stateWith({{"DisabledShapes", "-1 4"}})},
      {"a shape twice in play", stateWith({{"AllowedShapes", "2 2 5"}})},
      {"a shape in play and to come", stateWith({{"DisabledShapes", "3 5"}})},
      {"a board code outside 1 to 5", stateWith({{"Shape", "5 2 1 1 2 5 5 1 2 2 1 5 1 2 5 9"}})},
      {"a board of the wrong size", stateWith({{"Shape", "5 2 1"}})},
      {"a board with a double space", stateWith({{"Shape", "5 2 1 1 2 5 5 1 2 2 1 5 1 2  1"}})},
      {"a negative score", stateWith({{"Score", "-1"}})},
      {"a score beyond reach", stateWith({{"Score", "1000001"}})},
      {"a countdown above 5", stateWith({{"CountDown", "6"}})},
      {"a negative countdown", stateWith({{"CountDown", "-2147483648"}})},
      {"no items", Bytes({0x01})},
      {"missing shapes", stateWith({{"AllowedShapes", "-"}})},
      {"not a state at all", "garbage"},
      {"text form", "<BoardSize>4</BoardSize>"},
      {"cut short", stateWith({}).substr(0, 60)},
  };
  for (const auto& [what, state] : cases) {
    SCOPED_TRACE(what);
    GameInstance game;
    game.SkipLevels(15);
    game.SetState(state);
    expectFreshGame(game);
  }
}

TEST_F(GameStateTest, TheLargestPlayableStatesAreKept) {
  GameInstance game;
  game.SetState(stateWith({{"BoardSize", "1000"}, {"Shape", codes(1000 * 1000)}, {"Score", "1000000"}}));
  EXPECT_EQ(game.BoardSize, 1000);
  EXPECT_EQ(game.Score, 1000000);
  EXPECT_EQ(game.Shape.size(), 1000000u);

  game.SetState(stateWith({{"CountDown", "-"}, {"DisabledShapes", ""}}));
  EXPECT_EQ(game.BoardSize, 4);
  EXPECT_EQ(game.CountDown, 0);
  EXPECT_TRUE(game.DisabledShapes.empty());
}

}  // namespace
