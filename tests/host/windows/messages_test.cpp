// Queues, posting, sending across threads, translation, default handling and thread ends.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "host/display/keys.h"
#include "tests/host/windows/window_test_support.h"
#include "tests/support/bounded_thread.h"
#include "tests/support/waiting_thread.h"

namespace kanvo::win {
namespace {

using testing::MessageLog;
using testing::WindowThread;

class MessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ensure_classes();
    MessageLog::instance().clear();
  }
};

TEST_F(MessagesTest, PostedMessagesComeOutInOrderAndQuitComesLast) {
  std::thread owner([] {
    const WindowHandle window = testing::make_window(testing::kLogged, 10, 10, 100, 100);
    validate_rect(window, nullptr);
    post_quit_message(7);
    post_message(window, msg::kUser, 1, 0);
    post_message(kNoWindow, msg::kUser, 2, 0);
    post_message(window, msg::kUser, 3, 0);
    Message message;
    std::vector<WParam> order;
    while (get_message(&message)) {
      EXPECT_EQ(message.message, msg::kUser);
      order.push_back(message.wparam);
    }
    EXPECT_EQ(order, (std::vector<WParam>{1, 2, 3}));
    EXPECT_EQ(message.message, msg::kQuit);
    EXPECT_EQ(message.wparam, 7u);
    EXPECT_EQ(quit_code(), 7);
    // The quit message is taken once.
    EXPECT_FALSE(peek_message(&message));
  });
  owner.join();
}

TEST_F(MessagesTest, FilterTakesOnlyTheWindowsMessages) {
  std::thread owner([] {
    const WindowHandle a = testing::make_window(testing::kLogged, 10, 10, 50, 50);
    const WindowHandle b = testing::make_window(testing::kLogged, 10, 10, 50, 50);
    validate_rect(a, nullptr);
    validate_rect(b, nullptr);
    post_message(a, msg::kUser, 1, 0);
    post_message(b, msg::kUser, 2, 0);
    Message message;
    ASSERT_TRUE(peek_message(&message, b));
    EXPECT_EQ(message.wparam, 2u);
    ASSERT_TRUE(peek_message(&message, kNoWindow, false));
    EXPECT_EQ(message.wparam, 1u);
    ASSERT_TRUE(peek_message(&message));  // still there after a look without removing
    EXPECT_EQ(message.wparam, 1u);
    EXPECT_FALSE(peek_message(&message));
  });
  owner.join();
}

TEST_F(MessagesTest, SendFromAnotherThreadIsHandledOnTheOwnerBeforeItReturns) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 100, 100);
  EXPECT_EQ(send_message(window, testing::kEcho, 41, 0), 42);
  const auto seen = MessageLog::instance().of(testing::kEcho);
  ASSERT_EQ(seen.size(), 1u);  // logged before the send returned
  EXPECT_EQ(seen[0].thread, owner.id());
  EXPECT_NE(seen[0].thread, std::this_thread::get_id());
}

TEST_F(MessagesTest, SendToOwnWindowCallsTheProcedureDirectly) {
  std::thread owner([] {
    const WindowHandle window = testing::make_window(testing::kLogged, 0, 0, 100, 100);
    EXPECT_EQ(send_message(window, testing::kEcho, 1, 0), 2);
    EXPECT_EQ(MessageLog::instance().of(testing::kEcho).size(), 1u);
  });
  owner.join();
}

TEST_F(MessagesTest, ManyThreadsSendingAtOnceAllGetTheirAnswers) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 100, 100);
  std::atomic<int> right{0};
  std::vector<std::thread> senders;
  for (int t = 0; t < 4; ++t) {
    senders.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) {
        const WParam value = static_cast<WParam>(t * 1000 + i);
        if (send_message(window, testing::kEcho, value, 0) == static_cast<LResult>(value + 1)) {
          ++right;
        }
      }
    });
  }
  for (auto& sender : senders) sender.join();
  EXPECT_EQ(right.load(), 800);
}

TEST_F(MessagesTest, ThreadsSendingToEachOtherDoNotLockUp) {
  WindowThread first;
  WindowThread second;
  const WindowHandle a = first.create(testing::kLogged, 0, 0, 50, 50);
  const WindowHandle b = second.create(testing::kLogged, 0, 0, 50, 50);
  // While `first` waits on its send to b, b's owner sends back to a: first handles it inside.
  LResult answer = 0;
  first.call([&] { second.call([&] { answer = send_message(a, testing::kEcho, 10, 0); }); });
  EXPECT_EQ(answer, 11);
  EXPECT_EQ(send_message(b, testing::kEcho, 20, 0), 21);
}

TEST_F(MessagesTest, SendToAWindowWhoseThreadEndsReturnsZero) {
  std::promise<WindowHandle> created;
  std::promise<void> leave;
  std::shared_future<void> leaving = leave.get_future().share();
  std::thread owner([&] {
    created.set_value(testing::make_window(testing::kLogged, 0, 0, 50, 50));
    leaving.wait();  // ends without ever reading its queue
  });
  const WindowHandle window = created.get_future().get();
  // A send that never returns cannot be woken: the sender is then left behind with what it uses.
  struct Send {
    std::atomic<pid_t> thread{0};
    std::atomic<bool> returned{false};
    std::atomic<LResult> answer{-1};
  };
  const auto send = std::make_shared<Send>();
  kanvo::testing::BoundedThread sender([send, window] {
    send->thread = kanvo::testing::this_thread_id();
    send->answer = send_message(window, testing::kEcho, 5, 0);
    send->returned = true;
  });
  // The send waits for the owner, which never reads its queue, until the owner ends.
  EXPECT_TRUE(kanvo::testing::eventually_waiting(send->thread)) << "the send never waited";
  EXPECT_FALSE(send->returned) << "the send returned while the owner lived";
  leave.set_value();
  owner.join();
  ASSERT_TRUE(sender.join_or_leave_within(std::chrono::seconds(20)))
      << "the send did not return when the owner ended";
  EXPECT_EQ(send->answer, 0);
  EXPECT_FALSE(is_window(window));
  EXPECT_TRUE(MessageLog::instance().of(testing::kEcho).empty());
}

TEST_F(MessagesTest, WindowsOfAnEndedThreadAreGone) {
  WindowHandle window = kNoWindow;
  std::thread owner([&] { window = testing::make_window(testing::kLogged, 0, 0, 50, 50); });
  owner.join();
  EXPECT_FALSE(is_window(window));
  EXPECT_FALSE(post_message(window, msg::kUser, 0, 0));
  EXPECT_EQ(send_message(window, msg::kUser, 0, 0), 0);
}

TEST_F(MessagesTest, CreationSendsCreateBeforeReturning) {
  std::thread owner([] {
    const WindowHandle window = testing::make_window(testing::kLogged, 0, 0, 50, 50);
    const auto created = MessageLog::instance().of(msg::kCreate);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].window, window);
  });
  owner.join();
}

TEST_F(MessagesTest, OnlyTheOwnerDestroysAndOthersCanAskItTo) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 50, 50);
  EXPECT_FALSE(destroy_window(window));
  EXPECT_TRUE(is_window(window));
  EXPECT_TRUE(request_destroy(window));
  owner.settle();
  EXPECT_FALSE(is_window(window));
  const auto destroyed = MessageLog::instance().of(msg::kDestroy);
  ASSERT_EQ(destroyed.size(), 1u);
  EXPECT_EQ(destroyed[0].thread, owner.id());
  EXPECT_FALSE(request_destroy(window));
}

TEST_F(MessagesTest, CloseDestroysByDefault) {
  WindowThread owner;
  const WindowHandle window = owner.create(testing::kLogged, 0, 0, 50, 50);
  post_message(window, msg::kClose, 0, 0);
  owner.settle();
  EXPECT_FALSE(is_window(window));
}

TEST_F(MessagesTest, TranslationTypesCharactersWithShiftCapsLockAndControl) {
  std::thread owner([] {
    const WindowHandle window = testing::make_window(testing::kLogged, 0, 0, 50, 50);
    validate_rect(window, nullptr);
    auto type = [&](std::uint32_t virtual_key, bool down) {
      post_message(window, down ? msg::kKeyDown : msg::kKeyUp, virtual_key, 1);
    };
    auto typed = [&] {
      std::u32string text;
      Message message;
      while (peek_message(&message)) {
        translate_message(message);
        if (message.message == msg::kChar) text += static_cast<char32_t>(message.wparam);
      }
      return text;
    };
    type('Y', true);
    type('Y', false);
    EXPECT_EQ(typed(), U"y");
    type(keys::kShift, true);
    type('Y', true);
    type('1', true);
    EXPECT_EQ(typed(), U"Y!");
    EXPECT_LT(get_key_state(keys::kShift), 0);
    type(keys::kShift, false);
    type(keys::kCapsLock, true);
    type(keys::kCapsLock, false);
    type('Q', true);
    type(keys::kReturn, true);
    EXPECT_EQ(typed(), U"Q\r");
    EXPECT_EQ(get_key_state(keys::kCapsLock) & 1, 1);
    type(keys::kControl, true);
    type('C', true);
    EXPECT_EQ(typed(), U"\x03");
    EXPECT_LT(get_key_state(keys::kControl), 0);
    type(keys::kControl, false);
    type(keys::kF1, true);
    EXPECT_EQ(typed(), U"");
    EXPECT_GE(get_key_state(keys::kControl), 0);
  });
  owner.join();
}

TEST_F(MessagesTest, HostileHandlesAndArgumentsAreRefused) {
  const WindowHandle stale = static_cast<WindowHandle>(0x00070003u);
  for (const WindowHandle window : {kNoWindow, stale, static_cast<WindowHandle>(0xFFFFFFFFu)}) {
    EXPECT_EQ(send_message(window, msg::kUser, 0, 0), 0);
    EXPECT_FALSE(destroy_window(window));
    EXPECT_FALSE(request_destroy(window));
    EXPECT_EQ(dispatch_message({window, msg::kPaint, 0, 0}), 0);
  }
  EXPECT_FALSE(post_message(stale, msg::kUser, 0, 0));
  post_quit_message(0);
  EXPECT_FALSE(get_message(nullptr));
  EXPECT_FALSE(translate_message({kNoWindow, msg::kKeyDown, 0xFFFFFFFFu, 0}));
  EXPECT_EQ(get_key_state(0xFFFFFFFFu), 0);
}

}  // namespace
}  // namespace kanvo::win
