Command lines far larger than anyone types.

Ten thousand delegates in one add: each is stored and reported once, and
the summary counts them all.

  $ telvemu create srv
  $ telvdelegate -ar srv boss $(seq -f 'd%05g' 10000) > out.txt; echo "status $?"
  status 0
  $ grep -c '^Delegate loaded: boss <- d[0-9]\{5\}$' out.txt
  10000
  $ sed -n '10,11p;$p' out.txt
  Delegate loaded: boss <- d00001
  Delegate loaded: boss <- d00002
  Disconnected
  $ tail -n 5 out.txt
  
  Delegates added:10000, errors:0
  
  Disconnect from Telvane server: srv, srv
  Disconnected
  $ telvemu dump srv | awk '{ print $2, $3, $4, $5, $6, $7 }' | sort | uniq -c
    10000 0002 0FFFFFFF 00000000 00000000 00000000 boss
  $ telvemu dump srv | awk '{ print $8 }' | sort -c && echo in order
  in order

Patterns of a hundred thousand characters: one that needs that many
characters matches nothing, one of stars alone matches everything, and
one of alternating stars and letters is answered quickly all the same.

  $ telvemu demo
  $ python3 -c 'print("?" * 100000)' > long
  $ python3 -c 'print("*" * 100000)' > stars
  $ python3 -c 'print("*a" * 50000)' > alternating
  $ telvdelegate demo "$(cat long)" | sed -n '10,$p'
  Retrieving in-box delegates list...
  Sorting delegates list...
  delegators:0, delegates:0
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  $ telvdelegate demo "$(cat stars)" > stars.txt; telvdelegate demo '*' | cmp - stars.txt && echo same as '*'
  same as *
  $ telvdelegate demo "$(cat alternating)" "$(cat long)" 'S*' | sed -n '10,$p'
  Retrieving in-box delegates list...
  Sorting delegates list...
     1    1  Sales anna.schmidt
     2    2  Support anna.schmidt
  delegators:2, delegates:2
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  $ telvdelegate -d demo "$(cat stars)" "$(cat long)" "$(cat alternating)" | sed -n '10,$p'
  Delegates removed: 0
  
  Disconnect from Telvane server: demo, demo
  Disconnected
  $ telvdelegate -o saved.txt demo > /dev/null; telvemu create copy
  $ telvdelegate -i saved.txt copy "$(cat alternating)" "$(cat long)" | sed -n '10,$p'
  
  Delegates added:0, lines:9 errors:0
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ telvdelegate -aa copy "$(cat long)" bob | sed -n '10,$p' | cut -c1-60
  Delegator user-ID to add cannot contain wildcards: ?????????
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ telvdelegate -i saved.txt copy "$(cat stars)" | tail -n 4
  Delegates added:8, lines:9 errors:0
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ telvdelegate -d copy Sales "$(cat long)" "$(cat stars)" | sed -n '10,$p'
  Delegate removed:  Sales <- anna.schmidt
  Delegates removed: 1
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ python3 -c 'print("x" * 100000)' > plain
  $ telvdelegate -aa copy "$(cat plain)" bob > out.txt; sed -n '10,$p' out.txt | cut -c1-60
  Delegator name is too long: xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
  
  Delegates added:0, errors:1
  
  Disconnect from Telvane server: copy, copy
  Disconnected
  $ sed -n 10p out.txt | awk '{ print $1, $2, $3, $4, $5, length($6), $7, length($8) }'
  Delegator name is too long: 100000 / 21
