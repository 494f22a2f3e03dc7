#include <gtest/gtest.h>

#include <string>

#include "host/core/DataDictionary.h"

namespace zarvo {
namespace {

const Id kPosition("net.zarvo.ui.message.position");
const Id kKey("net.zarvo.ui.message.key");
const Id kName("test.name");

class Token final : public ObjectInterface {};

TEST(DataDictionaryTest, AbsentKeyYieldsTheCallersDefault) {
  DataDictionary dictionary;
  Result<Int> key = dictionary.Get<Int>(kKey, 0);
  ASSERT_TRUE(key.IsOk());
  EXPECT_EQ(*key, 0);
  EXPECT_EQ(*dictionary.Get<Vector2d>(kPosition, Vector2d{1.0, 2.0}), (Vector2d{1.0, 2.0}));
  EXPECT_EQ(*DataDictionary::GetEmpty().Get<Bool>(kName, true), true);
  EXPECT_TRUE(DataDictionary::GetEmpty().IsEmpty());
}

TEST(DataDictionaryTest, RequiredKeyMustBePresent) {
  DataDictionary dictionary;
  Result<String> name = dictionary.GetRequired<String>(kName);
  ASSERT_FALSE(name.IsOk());
  EXPECT_EQ(name.GetError().GetKind(), ErrorKind::kNotFound);
  EXPECT_EQ(name.GetError().GetMessage(), "Key 'test.name' is missing");
}

TEST(DataDictionaryTest, WrongTypeIsAnErrorNamingTheKey) {
  DataDictionary dictionary;
  dictionary.Set(kName, "button");
  Result<Int> asInt = dictionary.Get<Int>(kName, 5);
  ASSERT_FALSE(asInt.IsOk());
  EXPECT_EQ(asInt.GetError().GetKind(), ErrorKind::kIllegalArgument);
  EXPECT_EQ(asInt.GetError().GetMessage(), "Value of key 'test.name' is String, not Int");
  dictionary.Set(kKey, Float(1.5));
  EXPECT_EQ(dictionary.Get<Int>(kKey, 0).GetError().GetMessage(),
            "Value of key 'net.zarvo.ui.message.key' is Float, not Int");
}

TEST(DataDictionaryTest, NarrowNumbersReadAsWiderOnes) {
  DataDictionary dictionary;
  dictionary.Set(kKey, Int32(0xF10D));
  EXPECT_EQ(*dictionary.Get<Int>(kKey, 0), 0xF10D);
  EXPECT_EQ(*dictionary.Get<Int32>(kKey, 0), 0xF10D);
  EXPECT_DOUBLE_EQ(*dictionary.Get<Float>(kKey, 0.0), 61709.0);
  dictionary.Set(kKey, Int(7));
  EXPECT_DOUBLE_EQ(*dictionary.Get<Float>(kKey, 0.0), 7.0);
  EXPECT_FALSE(dictionary.Get<Int32>(kKey, 0).IsOk());  // no silent narrowing
}

TEST(DataDictionaryTest, SetReplacesAndEraseRemoves) {
  DataDictionary dictionary;
  dictionary.Set(kName, "first");
  dictionary.Set(kKey, Int32(1));
  dictionary.Set(kName, "second");
  EXPECT_EQ(dictionary.GetCount(), 2u);
  EXPECT_EQ(*dictionary.Get<String>(kName, ""), "second");
  EXPECT_EQ(dictionary.Find(kKey)->GetType(), DataType::kInt32);
  EXPECT_TRUE(dictionary.Erase(kName));
  EXPECT_FALSE(dictionary.Erase(kName));
  EXPECT_FALSE(dictionary.Contains(kName));
  dictionary.Clear();
  EXPECT_TRUE(dictionary.IsEmpty());
}

TEST(DataDictionaryTest, KeepsEveryValueType) {
  DataDictionary dictionary;
  dictionary.Set(Id("color"), ColorA{0.1, 0.2, 0.3, 0.4});
  dictionary.Set(Id("size"), CanvasUnitValue::Fon(20.0));
  dictionary.Set(Id("url"), Url{"file:/tmp/a.svg"});
  dictionary.Set(Id("flag"), true);
  EXPECT_EQ(*dictionary.Get<ColorA>(Id("color"), ColorA{}), (ColorA{0.1, 0.2, 0.3, 0.4}));
  const CanvasUnitValue size = *dictionary.Get<CanvasUnitValue>(Id("size"), CanvasUnitValue{});
  EXPECT_EQ(size.unit, CANVAS_UNIT::FON);
  EXPECT_DOUBLE_EQ(size.value, 20.0);
  EXPECT_EQ(dictionary.Get<Url>(Id("url"), Url{})->text, "file:/tmp/a.svg");
  EXPECT_TRUE(*dictionary.Get<Bool>(Id("flag"), false));
}

TEST(DataDictionaryTest, HoldsObjectsByCountedReference) {
  Ref<Token> token = MakeRef<Token>();
  DataDictionary dictionary;
  dictionary.Set(Id("item"), token);
  EXPECT_EQ(token->GetRefCount(), 2u);
  Result<ObjectRef> item = dictionary.Get<ObjectRef>(Id("item"), nullptr);
  ASSERT_TRUE(item.IsOk());
  EXPECT_EQ(item->Identity(), token.Identity());
  dictionary.Clear();
  item = ObjectRef();
  EXPECT_EQ(token->GetRefCount(), 1u);
}

TEST(DataDictionaryTest, NestsDictionariesAndArrays) {
  DataDictionary inner;
  inner.Set(Id("depth"), Int(2));
  DataArray array{DataValue{Int(1)}, DataValue{String("two")}, DataValue{Float(3.0)}};
  DataDictionary outer;
  outer.Set(Id("inner"), inner);
  outer.Set(Id("list"), array);

  Result<DataDictionary> readInner = outer.Get<DataDictionary>(Id("inner"), DataDictionary());
  ASSERT_TRUE(readInner.IsOk());
  EXPECT_EQ(*readInner->Get<Int>(Id("depth"), 0), 2);
  Result<DataArray> readArray = outer.GetRequired<DataArray>(Id("list"));
  ASSERT_TRUE(readArray.IsOk());
  ASSERT_EQ(readArray->size(), 3u);
  EXPECT_EQ(std::get<String>((*readArray)[1].storage), "two");
  EXPECT_EQ(outer.Get<DataArray>(Id("inner"), {}).GetError().GetMessage(),
            "Value of key 'inner' is DataDictionary, not Array");

  // A copy is a separate record; changing it leaves the original alone.
  DataDictionary copy = outer;
  inner.Set(Id("depth"), Int(3));
  copy.Set(Id("inner"), inner);
  EXPECT_EQ(*outer.GetRequired<DataDictionary>(Id("inner"))->Get<Int>(Id("depth"), 0), 2);
}

TEST(DataDictionaryTest, EqualityComparesContentsDeeply) {
  auto build = [](Int depth, const char* last) {
    DataDictionary inner;
    inner.Set(Id("depth"), depth);
    DataDictionary record;
    record.Set(Id("a"), Int32(1));
    record.Set(Id("inner"), inner);
    record.Set(Id("list"), DataArray{DataValue{Int(1)}, DataValue{String(last)}});
    return record;
  };
  EXPECT_TRUE(build(2, "x") == build(2, "x"));
  EXPECT_FALSE(build(2, "x") == build(3, "x"));
  EXPECT_FALSE(build(2, "x") == build(2, "y"));

  DataDictionary ab;
  ab.Set(Id("a"), Int(1));
  ab.Set(Id("b"), Int(2));
  DataDictionary ba;
  ba.Set(Id("b"), Int(2));
  ba.Set(Id("a"), Int(1));
  EXPECT_TRUE(ab == ba);  // order of insertion does not matter
  ba.Erase(Id("b"));
  EXPECT_FALSE(ab == ba);
  EXPECT_TRUE(DataDictionary() == DataDictionary::GetEmpty());
}

}  // namespace
}  // namespace zarvo
