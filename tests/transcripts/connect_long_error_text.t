An error text of 600 characters is cut to its first 500 in the failure line.

  $ telvemu create srv1
  $ telvemu fault srv1 connect 1 7 "Link lost: $(printf 'x%.0s' {1..589})"
  $ telvdelegate srv1 > out.txt; echo $?
  0
  $ sed -n 8p out.txt | cut -c1-70
  Connect failed to Telvane server: srv1, error 7: Link lost: xxxxxxxxxx
  $ sed -n 8p out.txt | sed 's/.*error 7: //' | tr -d '\n' | wc -c
  500
