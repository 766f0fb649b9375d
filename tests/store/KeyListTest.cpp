#include "store/KeyList.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/Alerts.h"
#include "support/Bytes.h"

namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

Items itemsOf(const KeyList& list) {
  Items items;
  for (int32_t i = 0; i < list.ItemCount(); ++i) {
    std::string key, content;
    list.BinGetItem(i, key, content);
    items.emplace_back(key, content);
  }
  return items;
}

KeyList writer(bool optimize) {
  KeyList list;
  list.BinaryFormat = true;
  list.OptimizeBinaryLengthData = optimize;
  return list;
}

KeyList binaryReader() {
  KeyList list;
  list.BinaryFormat = true;
  return list;
}

// The worked example: two numbers stored by a writer.
KeyList example(bool binary, bool optimize) {
  KeyList list;
  list.BinaryFormat = binary;
  list.OptimizeBinaryLengthData = optimize;
  list.AddItem("LaunchCount", int32_t{3});
  list.AddItem("KeyboardHint", int32_t{12});
  return list;
}

const std::string Example31 = Bytes({0x01}) + Record1("LaunchCount", "3") + Record1("KeyboardHint", "12");
const Items ExampleItems = {{"LaunchCount", "3"}, {"KeyboardHint", "12"}};

class KeyListTest : public testing::Test {
 protected:
  KeyListTest() {
    platform::SetMsgBoxHandler([this](const std::string& m) { messages.push_back(m); });
  }
  ~KeyListTest() override { platform::SetMsgBoxHandler(nullptr); }

  std::vector<std::string> messages;
};

TEST_F(KeyListTest, WorkedExampleInEveryWrittenForm) {
  EXPECT_EQ(example(true, true).GetData(), Example31);
  ASSERT_EQ(Example31.size(), 31u);

  KeyList plain = example(true, false);
  const std::string records = Bytes({0x0B}) + "LaunchCount" + Bytes({0, 0, 0, 1}) + "3" + Bytes({0x0C}) +
                              "KeyboardHint" + Bytes({0, 0, 0, 2}) + "12";
  EXPECT_EQ(plain.GetData(), Bytes({0x04}) + records);
  EXPECT_EQ(plain.GetData(), records);

  EXPECT_EQ(example(false, false).GetData(), "<launchcount>3</launchcount><keyboardhint>12</keyboardhint>");
}

TEST_F(KeyListTest, ValuesAreStoredAsText) {
  KeyList list = writer(true);
  list.AddItem("i", int32_t{-12});
  list.AddItem("d", 2.5);
  list.AddItem("zero", int32_t{0});
  list.AddItem("t", true);
  list.AddItem("f", false);
  list.AddItem("s", "text");
  list.AddItem("none", Variant());
  const Items expected = {{"i", "-12"}, {"d", "2.5"}, {"zero", ""}, {"t", "True"},
                          {"f", "False"}, {"s", "text"}, {"none", ""}};
  EXPECT_EQ(itemsOf(list), expected);
  EXPECT_TRUE(list.GetItemV("t").BooleanValue());
  EXPECT_FALSE(list.GetItemV("f").BooleanValue());
  EXPECT_EQ(list.GetItemV("zero").IntegerValue(), 0);
}

TEST_F(KeyListTest, StrLongRendersLikeItsPattern) {
  const std::pair<double, const char*> cases[] = {
      {3, "3"},
      {-12, "-12"},
      {2.5, "2.5"},
      {0.25, ".25"},
      {-0.25, "-.25"},
      {3500000000.0, "3500000000"},
      {0, ""},
      {-0.0, ""},
      {100, "100"},
      {0.1, ".1"},
      {1e-25, ".0000000000000000000000001"},
      {1e-26, ""},
      {-1e-30, ""},
      {1.0 / 3, ".3333333333333333"},
      {1e21, "1000000000000000000000"},
  };
  for (const auto& [number, text] : cases) {
    EXPECT_EQ(KeyList::StrLong(number), text) << number;
  }
}

TEST_F(KeyListTest, StrLongReadsBack) {
  for (const double number : {0.1, 1.0 / 3, 3500000000.0, -2.75, 123456.789}) {
    EXPECT_DOUBLE_EQ(Variant(KeyList::StrLong(number)).DoubleValue(), number);
  }
}

TEST_F(KeyListTest, WidthIsTheNarrowestThatFitsTheLargestContent) {
  const std::pair<size_t, int> cases[] = {{0, 1}, {255, 1}, {256, 2}, {65535, 2}, {65536, 4}};
  for (const auto& [size, width] : cases) {
    SCOPED_TRACE(size);
    KeyList list = writer(true);
    list.AddItem("small", "x");
    list.AddItem("big", std::string(size, 'b'));
    const std::string data = list.GetData();
    ASSERT_EQ(data[0], static_cast<char>(width));
    EXPECT_EQ(data.size(), 1 + (1 + 5 + width + 1) + (1 + 3 + width + size));

    KeyList reader = binaryReader();
    reader.AddData(data);
    EXPECT_EQ(itemsOf(reader), (Items{{"small", "x"}, {"big", std::string(size, 'b')}}));
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(KeyListTest, EmptyListsAndEmptyRecords) {
  KeyList empty = writer(true);
  EXPECT_EQ(empty.GetData(), Bytes({0x01}));
  KeyList plain = writer(false);
  EXPECT_EQ(plain.GetData(), Bytes({0x04}));
  EXPECT_EQ(plain.GetData(), "");

  KeyList reader = binaryReader();
  reader.AddData(Bytes({0x01}));
  EXPECT_EQ(reader.ItemCount(), 0);
  EXPECT_EQ(reader.BinUbound(), -1);

  KeyList blank = writer(true);
  blank.AddItem("", "");
  EXPECT_EQ(blank.GetData(), Bytes({0x01, 0x00, 0x00}));
  KeyList blankReader = binaryReader();
  blankReader.AddData(Bytes({0x01, 0x00, 0x00}));
  EXPECT_EQ(itemsOf(blankReader), (Items{{"", ""}}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(KeyListTest, RepeatedKeysAreLookedUpInOrder) {
  KeyList list = writer(true);
  list.AddItem("e", "first");
  list.AddItem("x", "other");
  list.AddItem("e", "second");
  EXPECT_EQ(list.GetItem("e"), "first");
  EXPECT_EQ(list.GetItem("e"), "first");

  KeyList taking = binaryReader();
  taking.RemoveItemsAsFound = true;
  taking.AddData(list.GetData());
  bool found = false;
  EXPECT_EQ(taking.GetItem("e", found), "first");
  EXPECT_TRUE(found);
  EXPECT_EQ(taking.GetItem("e", found), "second");
  EXPECT_TRUE(found);
  EXPECT_EQ(taking.GetItem("e", found), "");
  EXPECT_FALSE(found);
  EXPECT_EQ(itemsOf(taking), (Items{{"x", "other"}}));
}

TEST_F(KeyListTest, LookupsByKeyAndByIndex) {
  KeyList list = example(true, true);
  Variant value;
  EXPECT_TRUE(list.GetItem("KeyboardHint", value));
  EXPECT_EQ(value.IntegerValue(), 12);
  EXPECT_FALSE(list.GetItem("Missing", value));
  EXPECT_EQ(value.StringValue(), "");
  EXPECT_EQ(list.GetItemV("LaunchCount").IntegerValue(), 3);
  EXPECT_EQ(list.GetItemV("Missing").StringValue(), "");
  EXPECT_EQ(list.GetItemKey(1), "KeyboardHint");
  EXPECT_EQ(list.GetItem(int32_t{1}), "12");
  EXPECT_TRUE(list.HasItem("LaunchCount"));
  EXPECT_FALSE(list.HasItem("Missing"));
}

TEST_F(KeyListTest, RemovingItems) {
  KeyList list = writer(true);
  for (const char* key : {"a", "b", "a", "c", "a"}) list.AddItem(key, key);
  list.RemoveItem("a");
  EXPECT_EQ(itemsOf(list), (Items{{"b", "b"}, {"c", "c"}}));
  EXPECT_EQ(list.ItemCount(), 2);
  EXPECT_EQ(list.BinUbound(), 1);
  list.RemoveAllItems();
  EXPECT_EQ(list.ItemCount(), 0);
  EXPECT_EQ(list.BinUbound(), -1);
}

TEST_F(KeyListTest, JoinedUnoptimisedOutputsFormOneStream) {
  KeyList list = writer(false);
  list.AddItem("a", "1");
  const std::string first = list.GetData();
  list.RemoveAllItems();
  list.AddItem("b", "2");
  const std::string second = list.GetData();

  KeyList reader = binaryReader();
  reader.AddData(first + second);
  EXPECT_EQ(itemsOf(reader), (Items{{"a", "1"}, {"b", "2"}}));
}

TEST_F(KeyListTest, EverySplitOfTheDataGivesTheSameItems) {
  for (size_t cut = 0; cut <= Example31.size(); ++cut) {
    SCOPED_TRACE(cut);
    KeyList reader = binaryReader();
    if (cut > 0) reader.AddData(Example31.substr(0, cut));
    reader.AddData(Example31.substr(cut));
    EXPECT_EQ(itemsOf(reader), ExampleItems);
  }
  KeyList bytewise = binaryReader();
  for (const char c : Example31) bytewise.AddData(std::string(1, c));
  EXPECT_EQ(itemsOf(bytewise), ExampleItems);
  EXPECT_TRUE(messages.empty());
}

TEST_F(KeyListTest, ARecordThatHasBegunToArriveIsPresentButNotFound) {
  // Offsets 15 to 30 hold the KeyboardHint record; its key ends at offset 27.
  // (With 16 bytes the one byte after LaunchCount holds that record back too.)
  struct Case {
    size_t received;
    bool present;
  };
  const Case cases[] = {{15, false}, {17, false}, {27, false}, {28, true}, {29, true}, {30, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.received);
    KeyList reader = binaryReader();
    reader.AddData(Example31.substr(0, c.received));
    EXPECT_EQ(itemsOf(reader), (Items{{"LaunchCount", "3"}}));
    EXPECT_EQ(reader.HasItem("KeyboardHint"), c.present);
    EXPECT_FALSE(reader.HasItem("Keyboard"));
    bool found = true;
    EXPECT_EQ(reader.GetItem("KeyboardHint", found), "");
    EXPECT_FALSE(found);

    reader.AddData(Example31.substr(c.received));
    EXPECT_EQ(itemsOf(reader), ExampleItems);
    EXPECT_EQ(reader.GetItem("KeyboardHint"), "12");
  }
}

TEST_F(KeyListTest, OneByteAfterARecordHoldsItBack) {
  KeyList reader = binaryReader();
  reader.AddData(Example31.substr(0, 16));
  EXPECT_EQ(reader.ItemCount(), 0);
  EXPECT_TRUE(reader.HasItem("LaunchCount"));
  reader.AddData(Example31.substr(16));
  EXPECT_EQ(itemsOf(reader), ExampleItems);
}

TEST_F(KeyListTest, AStrayByteHoldsBackTheLastRecord) {
  KeyList reader = binaryReader();
  reader.AddData(Example31 + Bytes({0x03}));
  EXPECT_EQ(itemsOf(reader), (Items{{"LaunchCount", "3"}}));
  EXPECT_TRUE(reader.HasItem("KeyboardHint"));
  reader.AddData("abc" + Bytes({0x01}) + "x");
  EXPECT_EQ(itemsOf(reader), (Items{{"LaunchCount", "3"}, {"KeyboardHint", "12"}, {"abc", "x"}}));
}

TEST_F(KeyListTest, AStrayByteAloneTakesBackNothingReadEarlier) {
  KeyList reader = binaryReader();
  reader.AddData(Example31);
  reader.AddData(Bytes({0x05}));
  EXPECT_EQ(itemsOf(reader), ExampleItems);
  EXPECT_TRUE(messages.empty());
}

TEST_F(KeyListTest, AReducedBufferKeepsTheStreamGoing) {
  KeyList reader = binaryReader();
  reader.AddData(Example31.substr(0, 20));
  reader.ReduceBuffer();
  reader.AddData(Example31.substr(20));
  reader.ReduceBuffer();
  reader.AddData(Record1("more", "data"));
  EXPECT_EQ(itemsOf(reader), (Items{{"LaunchCount", "3"}, {"KeyboardHint", "12"}, {"more", "data"}}));
  EXPECT_FALSE(reader.HasItem(""));
}

TEST_F(KeyListTest, AnUnknownWidthIsReportedAtEveryPiece) {
  struct Case {
    std::string data;
    bool binary;
    const char* message;
  };
  const Case cases[] = {
      {Bytes({0x03}) + Record1("a", "b"), true, "Critical err: Input Format unknown: 3"},
      {"<a>x</a>", true, "Critical err: Input Format unknown: 60"},
      {Bytes({0x00, 0x01}) + "a", false, "Critical err: Input Format unknown: 0"},
      {"", true, "Critical err: Input Format unknown: 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    messages.clear();
    KeyList reader;
    reader.BinaryFormat = c.binary;
    reader.AddData(c.data);
    EXPECT_EQ(messages, std::vector<std::string>{c.message});
    EXPECT_EQ(reader.ItemCount(), 0);
    EXPECT_FALSE(reader.HasItem("a"));
  }
  messages.clear();
  KeyList reader = binaryReader();
  reader.AddData(Bytes({0x03}));
  reader.AddData(Record1("a", "b"));
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_EQ(reader.ItemCount(), 0);
}

TEST_F(KeyListTest, EmptyDataBeforeTheHeaderDoesNotSpoilLaterData) {
  KeyList reader = binaryReader();
  reader.AddData("");
  reader.AddData(Example31);
  EXPECT_EQ(itemsOf(reader), ExampleItems);
}

TEST_F(KeyListTest, DamagedLengthsNeverReadOutsideTheData) {
  const std::string cases[] = {
      // A width-4 length with its top bit set.
      Bytes({0x04, 0x01}) + "k" + Bytes({0xFF, 0xFF, 0xFF, 0xF0}) + "abc",
      Bytes({0x04, 0x01}) + "k" + Bytes({0x80, 0x00, 0x00, 0x00}),
      // Lengths far beyond the data.
      Bytes({0x04, 0x01}) + "k" + Bytes({0x7F, 0xFF, 0xFF, 0xFF}) + "abc",
      Bytes({0x02, 0x01}) + "k" + Bytes({0xFF, 0xFF}) + "abc",
      Bytes({0x01, 0xFF}) + "short key",
  };
  for (const std::string& data : cases) {
    KeyList reader = binaryReader();
    reader.AddData(data);
    reader.AddData(std::string(64, 'x'));
    EXPECT_EQ(reader.ItemCount(), 0);
    bool found = true;
    EXPECT_EQ(reader.GetItem("k", found), "");
    EXPECT_FALSE(found);
  }
  // A record behind a good one: the good one stays and is read once.
  KeyList reader = binaryReader();
  reader.AddData(Bytes({0x04}) + Bytes({0x01}) + "g" + Bytes({0, 0, 0, 1}) + "1" + Bytes({0x01}) + "k" +
                 Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  reader.AddData("tail");
  EXPECT_EQ(itemsOf(reader), (Items{{"g", "1"}}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(KeyListTest, FormatDetection) {
  struct Case {
    std::string data;
    bool text;
  };
  const Case cases[] = {
      {"<a>x</a>", true},
      {std::string(28, ' ') + "<a>x</a>", true},
      {std::string(29, ' ') + "<a>x</a>", false},
      {"no tags at all", false},
      {"<" + std::string(31, 'k') + ">x</k>", true},
      {"<" + std::string(32, 'k') + ">x</k>", false},
      {"<a>x</" + std::string(30, 'k') + ">", true},
      {"<a>x</" + std::string(31, 'k') + ">", false},
      // Without a closing tag the last search starts over from the beginning.
      {"<a>x", true},
      {"<a x", false},
      {Example31, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data);
    KeyList reader;
    reader.AddData(c.data);
    EXPECT_EQ(reader.BinaryFormat, !c.text);
  }
}

TEST_F(KeyListTest, DetectedFormsAreReadAsTheyAre) {
  KeyList text;
  text.AddData(example(false, false).GetData());
  EXPECT_FALSE(text.BinaryFormat);
  EXPECT_EQ(text.GetItem("launchcount"), "3");
  EXPECT_EQ(text.GetItem("keyboardhint"), "12");
  bool found = true;
  EXPECT_EQ(text.GetItem("LaunchCount", found), "");
  EXPECT_FALSE(found);

  KeyList binary;
  binary.AddData(Example31);
  EXPECT_TRUE(binary.BinaryFormat);
  EXPECT_EQ(itemsOf(binary), ExampleItems);
  EXPECT_TRUE(messages.empty());
}

TEST_F(KeyListTest, TextFormLookups) {
  KeyList text;
  text.AddData("<a>one</a>b</a><open>no end<b></b>");
  EXPECT_EQ(text.GetItem("a"), "one");
  EXPECT_TRUE(text.HasItem("open"));
  bool found = true;
  EXPECT_EQ(text.GetItem("open", found), "");
  EXPECT_FALSE(found);
  EXPECT_EQ(text.GetItem("b", found), "");
  EXPECT_TRUE(found);
  EXPECT_FALSE(text.HasItem("c"));
  EXPECT_EQ(text.ItemCount(), 0);
}

TEST_F(KeyListTest, TextFormLookupsIgnoreRemovalAndMarkHowFarTheyRead) {
  KeyList text;
  text.RemoveItemsAsFound = true;
  text.AddData("<a>1</a><b>2</b><c>3</c>");
  EXPECT_EQ(text.GetItem("b"), "2");
  EXPECT_EQ(text.GetItem("b"), "2");
  EXPECT_EQ(text.GetItem("a"), "1");
  text.ReduceBuffer();
  EXPECT_FALSE(text.HasItem("a"));
  EXPECT_FALSE(text.HasItem("b"));
  EXPECT_EQ(text.GetItem("c"), "3");
}

TEST_F(KeyListTest, KeysBeyond255BytesAreWrittenCut) {
  const std::string longKey(300, 'k');
  KeyList list = writer(true);
  list.AddItem(longKey, "v");
  list.AddItem("next", "w");
  KeyList reader = binaryReader();
  reader.AddData(list.GetData());
  EXPECT_EQ(itemsOf(reader), (Items{{longKey.substr(0, 255), "v"}, {"next", "w"}}));
}

}  // namespace
