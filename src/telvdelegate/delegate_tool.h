// The delegate tool: a connection to one server plus the streams of one
// run, with the four operations on in-box delegations.
#ifndef TELVDELEGATE_DELEGATE_TOOL_H_
#define TELVDELEGATE_DELEGATE_TOOL_H_

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "attribute_text.h"
#include "server_connection.h"

class DelegateTool : public ServerConnection {
 public:
  DelegateTool() = default;
  // Closes the input stream (standard input included), flushes the output
  // stream and closes it unless it is standard output, then disconnects.
  ~DelegateTool() override;

  // Hands the tool the streams of the run; the tool owns them from here on.
  void setStreams(std::FILE* input, std::FILE* output, bool longFormat);
  // In a dry run the operations fetch, match, check and report as usual
  // but change nothing on the server: no removal, no save. Their lines
  // say what would be done.
  void setDryRun(bool dryRun) { dryRun_ = dryRun; }
  // A quiet run leaves out the line for each delegation removed, saved or
  // replaced (or, in a dry run, that would be): a scheduled job's log then
  // holds the failures and the summaries alone.
  void setQuiet(bool quiet) { quiet_ = quiet; }
  // Give the streams back to the caller, who closes them; null when the
  // tool holds none.
  std::FILE* releaseInput();
  std::FILE* releaseOutput();
  // The system's error number of the first write to the output stream that
  // failed, 0 when none did. A full disk must not pass for a saved listing,
  // and by the time the stream is closed the C library no longer says why.
  int outputError() const { return outputError_; }

  // The system's error number of the first read of the input stream that
  // failed, 0 when none did.
  int inputError() const { return inputError_; }

  // The operations. Each reports its outcome in its own messages; the
  // result is false when any of them reported a failure (a list that
  // could not be fetched, a removal or save the server refused, a
  // delegation or line the tool refused), so that a run left unattended
  // can tell from its exit status alone. Nothing matched, nothing to load,
  // lines left out by the patterns: none of these is a failure.
  bool listDelegates(const char* const* patterns);
  bool addDelegates(const char* delegator, const char* const* delegates, const char* presetText);
  bool loadDelegates(const char* const* patterns);
  bool deleteDelegates(const char* delegatorPattern, const char* const* delegatePatterns);

  // Reads the next line of the input stream into buffer, which has room for
  // capacity characters and a NUL. A line ends at a line feed, a carriage
  // return, or the two together; the line end is not stored. Of a longer
  // line the first capacity characters are kept and the rest is read and
  // dropped; *cut, when given, tells whether that happened. Returns the
  // number of characters stored, or -1 when the input ends or a read fails
  // before the line's first character (the buffer then holds "") or when
  // there is no input stream (the buffer is left alone). A line end just
  // before the end of the input does not start one more, empty line. A
  // failed read is kept in inputError_, for the load to report.
  int readLine(char* buffer, int capacity, bool* cut = nullptr);

 private:
  // Stores one delegation for adding and loading alike, first removing the
  // delegations of the same pair so that the new one replaces them. The
  // outcome is in its messages and in the caller's counters; the result
  // is false when any of those messages reports a failure, a failed
  // removal included, which the counters do not count.
  bool storeDelegate(const DelegateAttributes& attributes, const char* delegator,
                     const char* delegate, int* added, int* errors);
  // storeDelegate's dry run, for a delegation that passed its checks:
  // reports the copies a store would replace and the save, making neither.
  void previewStore(const TelvDelegateRecord& record, const char* delegator, const char* delegate,
                    int* added);

  // Flushes the output stream, remembering why when that fails.
  void flushOutput();
  // Reads one character of the input stream, remembering why when that
  // fails.
  int readCharacter();

  std::FILE* output_ = nullptr;  // listings: a file of ours, or standard output
  std::FILE* input_ = nullptr;   // the file being loaded, or standard input
  bool longFormat_ = false;
  int outputError_ = 0;
  // The error number of the first read of the input stream that failed.
  // readLine returns -1 for it as at the end of the input; only this tells
  // a load that stopped short from one that read everything.
  int inputError_ = 0;

  bool dryRun_ = false;
  bool quiet_ = false;
  // A user-ID pair, for a map that compares both IDs ignoring case.
  using UserIdPair = std::pair<std::string, std::string>;
  struct UserIdPairLess {
    bool operator()(const UserIdPair& a, const UserIdPair& b) const;
  };
  // The attributes a dry run would have saved last for each pair. A real
  // run replaces, for a pair stored twice, the copy it saved the first
  // time, and the server no longer holds the copies that first store
  // removed; the dry run tells the same from here.
  std::map<UserIdPair, DelegateAttributes, UserIdPairLess> previewedPairs_;
};

#endif  // TELVDELEGATE_DELEGATE_TOOL_H_
