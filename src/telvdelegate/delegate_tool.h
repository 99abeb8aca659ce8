// The delegate tool: a connection to one server plus the streams of one
// run, with the four operations on in-box delegations.
#ifndef TELVDELEGATE_DELEGATE_TOOL_H_
#define TELVDELEGATE_DELEGATE_TOOL_H_

#include <cstdio>

#include "attribute_text.h"
#include "server_connection.h"

struct StorePreview;

// What a comparison of a listing file with the server found.
enum class Comparison { kSame, kDifferent, kIncomplete };

class DelegateTool : public ServerConnection {
 public:
  DelegateTool() = default;

  // Lends the tool the streams of the run, which stay its caller's: the
  // caller closes them once the operation is over.
  void setStreams(std::FILE* input, std::FILE* output, bool longFormat);
  // In a dry run the operations fetch, match, check and report as usual
  // but change nothing on the server: no removal, no save. Their lines
  // say what would be done. The preview, the caller's, remembers what the
  // run would have saved.
  void setDryRun(StorePreview* preview) { dryRun_ = preview; }
  // A quiet run leaves out the line for each delegation removed, saved or
  // replaced (or, in a dry run, that would be): a scheduled job's log then
  // holds the failures and the summaries alone.
  void setQuiet(bool quiet) { quiet_ = quiet; }
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
  // Compares the input, a listing file, with the server's delegations,
  // changing nothing. Incomplete when the file or the server's list could
  // not be read whole, or the file held lines a restore would refuse.
  Comparison compareDelegates(const char* const* patterns);

 private:
  // Stores one delegation for adding and loading alike, first removing the
  // delegations of the same pair so that the new one replaces them. The
  // outcome is in its messages and in the caller's counters; the result
  // is false when any of those messages reports a failure, a failed
  // removal included, which the counters do not count.
  bool storeDelegate(const DelegateAttributes& attributes, const char* delegator,
                     const char* delegate, int* added, int* errors);
  // Flushes the output stream, remembering why when that fails.
  void flushOutput();

  std::FILE* output_ = nullptr;  // listings: a file of ours, or standard output
  std::FILE* input_ = nullptr;   // the file being loaded, or standard input
  bool longFormat_ = false;
  int outputError_ = 0;
  // The error number of the read of the input stream that failed and
  // ended a load, for the run's status.
  int inputError_ = 0;

  StorePreview* dryRun_ = nullptr;  // set in a dry run
  bool quiet_ = false;
};

#endif  // TELVDELEGATE_DELEGATE_TOOL_H_
